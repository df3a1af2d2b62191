#pragma once

#include "platform/status.h"
#include "template/options.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumivane {

/// The 31 items of the three size lists, "4pt", "6pt", ... "64pt".
const std::array<std::string, 31>& sizeItems();

/// Every option's name: its control's name with the array index appended directly
/// (`chkSetLink1`, `lblColor2`), in the order of the main window's option model.
std::span<const std::string_view> optionNames();

/// The values that the option called `name` takes when they form a list: "0", "1", "2" for a
/// check box, sizeItems() for a size box; empty for an option of free text or an unknown name.
std::span<const std::string> optionChoices(std::string_view name);

/// Sets the option called `name` to `value`. A check box takes "0", "1" or "2" (greyed); a
/// size box one of sizeItems(); every other option any UTF-8 text without a line break (each
/// value stands inside one line of the template). On failure the options are unchanged and
/// the status says, in words for the user, what was wrong.
Status setOption(TemplateOptions& options, std::string_view name, std::string_view value);

/// Checks a text for an option or any other value that stands inside one line of the
/// template: valid UTF-8 without a line break. `name` is used in the message.
Status checkLineText(std::string_view name, std::string_view text);

/// The option's value as setOption() takes it; nullopt for an unknown name.
std::optional<std::string> optionValue(const TemplateOptions& options, std::string_view name);

} // namespace lumivane
