#pragma once

#include <span>
#include <string>
#include <string_view>

namespace lumivane::cli {

/// Exit statuses of every sub-command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; ///< the work itself failed (a file, standard output)
inline constexpr int kExitUsage = 2;  ///< bad arguments; nothing was done or written

/// A sub-command: its name, what it does (the help text, UTF-8), and the function that runs
/// it with the arguments after its name. A command writes its own output and messages.
struct Command {
    std::string_view name;
    std::string_view help;
    int (*run)(std::span<const std::string> args);
};

/// `template`: writes the folder template's bytes to standard output.
extern const Command templateCommand;
/// `apply` and `restore`: what "変更" and "復元" do, on this system's Web folder.
extern const Command applyCommand;
extern const Command restoreCommand;

} // namespace lumivane::cli
