#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumivane::cli {

/// Whether an argument names the option `name` ("--count"), alone or with its value joined
/// by an equals sign ("--count=3"). Both of Lumivane's command-line programs take both forms.
bool namesOption(std::string_view argument, std::string_view name);

/// The value of the option that `args[i]` names: what follows its "=", or else the next
/// argument (and `i` moves on to it). nullopt when there is none.
std::optional<std::string> optionValue(std::span<const std::string> args, std::size_t& i);

} // namespace lumivane::cli
