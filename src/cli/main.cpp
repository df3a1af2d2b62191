// lumivane-cli: Lumivane's work without windows. Each sub-command lives in its own file and
// is listed once in kCommands.
#include "cli/commands.h"
#include "cli/console.h"
#include "windows/version_text.h"

#include <string>

namespace {

using lumivane::cli::Command;

constexpr const Command* kCommands[] = {
    &lumivane::cli::templateCommand,
    &lumivane::cli::applyCommand,
    &lumivane::cli::restoreCommand,
};

// The options of lumivane-cli itself that the completion offers ("-h" is left to those who
// know it).
constexpr std::string_view kProgramOptions[] = {"--help", "--version"};

std::string overallHelp() {
    std::string help =
        "使い方: lumivane-cli <コマンド> [引数]...\n"
        "       lumivane-cli --help\n"
        "       lumivane-cli --version\n"
        "\n"
        "  --help     この説明を表示します。\n"
        "  --version  プログラムの名前と版を表示します。\n"
        "\n"
        "値を取るオプションは --count 3 とも --count=3 とも書けます。\n"
        "終了状態: 0 成功、1 処理の失敗、2 引数の誤り (標準出力には何も書きません)。\n";
    for (const Command* command : kCommands) {
        help += "\n";
        help += command->help;
    }
    return help;
}

} // namespace

int main(int argc, char** argv) {
    using namespace lumivane::cli;
    const std::vector<std::string> args = arguments(argc, argv);
    if (args.empty()) {
        writeError("コマンドがありません。使い方は lumivane-cli --help で表示されます。");
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h")
        return writeText(overallHelp()) ? kExitOk : kExitFailed;
    if (args[0] == "--version") {
        const std::string line = "lumivane-cli " + lumivane::windows::versionNumber() + "\n";
        return writeText(line) ? kExitOk : kExitFailed;
    }
    // Not for users: the build makes the shell completion from these words.
    if (args[0] == "--completion-words")
        return writeText(completionWords(kCommands, kProgramOptions)) ? kExitOk : kExitFailed;
    for (const Command* command : kCommands) {
        if (args[0] == command->name)
            return command->run(std::span<const std::string>(args).subspan(1));
    }
    writeError("「" + args[0] +
               "」というコマンドはありません。使い方は lumivane-cli --help で表示されます。");
    return kExitUsage;
}
