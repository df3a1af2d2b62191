#include "cli/option_value.h"

namespace lumivane::cli {

bool namesOption(std::string_view argument, std::string_view name) {
    return argument.starts_with(name) &&
           (argument.size() == name.size() || argument[name.size()] == '=');
}

std::optional<std::string> optionValue(std::span<const std::string> args, std::size_t& i) {
    const std::string& argument = args[i];
    if (const std::size_t equals = argument.find('='); equals != std::string::npos)
        return argument.substr(equals + 1);
    if (i + 1 >= args.size())
        return std::nullopt;
    return args[++i];
}

} // namespace lumivane::cli
