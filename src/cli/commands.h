#pragma once

#include <span>
#include <string>
#include <string_view>

namespace lumivane::cli {

/// Exit statuses of every sub-command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; ///< the work itself failed (a file, standard output)
inline constexpr int kExitUsage = 2;  ///< bad arguments; nothing was done or written

/// What the shell's completion offers after a command's name.
struct CompletionWords {
    std::span<const std::string_view> options;      ///< options that stand alone
    std::span<const std::string_view> valueOptions; ///< options followed by a value of the user's
    bool optionAssignments = false;                 ///< NAME=VALUE of the template's options
    bool files = false;                             ///< its other arguments are files
};

/// A sub-command: its name, what it does (the help text, UTF-8), the function that runs it
/// with the arguments after its name, and the words its arguments are made of. A command
/// writes its own output and messages.
struct Command {
    std::string_view name;
    std::string_view help;
    int (*run)(std::span<const std::string> args);
    CompletionWords completion;
};

/// The words of the shell's completion, one line a key and its words: "commands" and
/// "options" (of lumivane-cli itself), "options:", "value-options:", "names:" and "files:"
/// each followed by a command's name, and "values:" followed by an option's name (its values,
/// where they form a list). The completion script is made from these when the program is built.
std::string completionWords(std::span<const Command* const> commands,
                            std::span<const std::string_view> programOptions);

/// `template`: writes the folder template's bytes to standard output.
extern const Command templateCommand;
/// `apply` and `restore`: what "変更" and "復元" do, on this system's Web folder.
extern const Command applyCommand;
extern const Command restoreCommand;

} // namespace lumivane::cli
