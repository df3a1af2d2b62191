// The words of lumivane-cli's shell completion, taken from the command table and the option
// names, so the completion script never keeps a second list of its own.
#include "cli/commands.h"
#include "template/option_names.h"

#include <vector>

namespace lumivane::cli {
namespace {

template <typename Words>
void addLine(std::string& text, std::string_view key, const Words& words) {
    if (words.empty())
        return;
    text += key;
    for (const auto& word : words) {
        text += ' ';
        text += word;
    }
    text += '\n';
}

} // namespace

std::string completionWords(std::span<const Command* const> commands,
                            std::span<const std::string_view> programOptions) {
    std::string text;
    std::vector<std::string_view> names;
    for (const Command* command : commands)
        names.push_back(command->name);
    addLine(text, "commands", names);
    addLine(text, "options", programOptions);
    for (const Command* command : commands) {
        const std::string name(command->name);
        const CompletionWords& words = command->completion;
        addLine(text, "options:" + name, words.options);
        addLine(text, "value-options:" + name, words.valueOptions);
        if (words.optionAssignments)
            addLine(text, "names:" + name, optionNames());
        if (words.files)
            text += "files:" + name + " yes\n";
    }
    for (std::string_view option : optionNames())
        addLine(text, "values:" + std::string(option), optionChoices(option));
    return text;
}

} // namespace lumivane::cli
