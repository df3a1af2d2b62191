// lumivane-cli template: the folder template's bytes for the given options, on standard
// output. Every argument is checked before anything is written, so a bad one leaves standard
// output empty.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/option_value.h"
#include "cli/program_folder.h"
#include "template/option_names.h"
#include "template/template_text.h"

#include <charconv>
#include <optional>
#include <utility>
#include <vector>

namespace lumivane::cli {
namespace {

constexpr std::string_view kHelp =
    "lumivane-cli template [--restore] [--preset] [--count N] [--script-folder TEXT]\n"
    "                      [--program-folder TEXT] [NAME=VALUE]...\n"
    "  フォルダのテンプレート folder.htt の内容 (シフトJIS、各行 CR LF) を標準出力に書きます。\n"
    "  --restore              標準のテンプレート (復元) を書きます。オプションは効きません。\n"
    "  --preset               オプションを「お勧め」の値から始めます (既定は起動時の値)。\n"
    "                         NAME=VALUE はその上に設定されます。\n"
    "  --count N              画像の数 (1 から 32767、既定 1)。\n"
    "  --script-folder TEXT   スクリプトに書く画像フォルダ (円記号を二重にした形)。\n"
    "                         既定は C:\\WINDOWS の場合の C:\\\\WINDOWS\\\\Web\\\\leftimage\\\\。\n"
    "  --program-folder TEXT  null.gif のあるフォルダ (既定はこのプログラムのフォルダ)。\n"
    "                         ホストのパス (/ や ./ で始まるもの) は、ドロップした画像の\n"
    "                         パスと同じく Windows の形 (Z:\\usr\\lib など) にします。\n"
    "  NAME=VALUE             オプションを設定します。NAME はコントロール名に配列の番号を\n"
    "                         続けたものです:\n"
    "      チェックボックス (0 = オフ、1 = オン、2 = 灰色でオン扱い):\n"
    "        chkShowIcon chkShowLine chkThumbnail chkThumnailPosition chkShowFolderName\n"
    "        chkFolderNamePosition chkFolderNameItalic chkShowDetail chkShowMsg\n"
    "        chkFitImageWidth chkFitImageHeight chkReload chkSetLink0 chkSetLink1\n"
    "      文字の大きさ (4pt, 6pt, ... 64pt のどれか):\n"
    "        cmbFolderNameSize cmbInfoSize cmbLinkSize\n"
    "      色の名前とリンク (改行のない任意の文字列、UTF-8):\n"
    "        lblColor0 (フォルダ名) lblColor1 (詳細情報) lblColor2 (背景) lblColor3 (リンク)\n"
    "        txtLinkTitle0 txtLink0 (リンク 1) txtLinkTitle1 txtLink1 (リンク 2)\n"
    "  --help                 この説明を表示します。\n";

// The parsed command line; the template is made only when all of it is good.
struct Request {
    bool help = false;
    bool restore = false;
    bool preset = false;
    int count = 1;
    std::optional<std::string> scriptFolder;
    std::optional<std::string> programFolder;
    std::vector<std::pair<std::string, std::string>> assignments;
};

std::optional<int> parseCount(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1 || value > 32767)
        return std::nullopt;
    return value;
}

// Reads the arguments into `request`; the failure says what was wrong.
Status parse(std::span<const std::string> args, Request& request) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto is = [&](std::string_view option) { return namesOption(arg, option); };
        const auto valueOf = [&] { return optionValue(args, i); };
        if (arg == "--help" || arg == "-h") {
            request.help = true;
            return Status::success();
        } else if (arg == "--restore") {
            request.restore = true;
        } else if (arg == "--preset") {
            request.preset = true;
        } else if (is("--count")) {
            const auto value = valueOf();
            if (!value)
                return Status::failure("--count の後に画像の数がありません。");
            const auto count = parseCount(*value);
            if (!count)
                return Status::failure("--count の値「" + *value +
                                       "」は使えません。画像の数は 1 から 32767 までの整数です。");
            request.count = *count;
        } else if (is("--script-folder") || is("--program-folder")) {
            const std::string option = arg.substr(0, arg.find('='));
            const auto value = valueOf();
            if (!value)
                return Status::failure(option + " の後にフォルダがありません。");
            if (Status status = checkLineText(option, *value); !status)
                return status;
            (option == "--script-folder" ? request.scriptFolder : request.programFolder) = *value;
        } else if (arg.starts_with("-") || arg.find('=') == std::string::npos) {
            return Status::failure("引数「" + arg +
                                   "」は使えません。使い方は lumivane-cli template --help "
                                   "で表示されます。");
        } else {
            const auto equals = arg.find('=');
            request.assignments.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
        }
    }
    return Status::success();
}

int run(std::span<const std::string> args) {
    Request request;
    if (const Status status = parse(args, request); !status) {
        writeError(status.message);
        return kExitUsage;
    }
    if (request.help)
        return writeText(kHelp) ? kExitOk : kExitFailed;

    TemplateInput input;
    input.restore = request.restore;
    input.options = request.preset ? TemplateOptions::preset() : TemplateOptions{};
    // Options are checked in restore mode too, although they change nothing there.
    for (const auto& [name, value] : request.assignments) {
        if (const Status status = setOption(input.options, name, value); !status) {
            writeError(status.message);
            return kExitUsage;
        }
    }
    input.imageCount = request.count;
    input.scriptFolder = request.scriptFolder.value_or(scriptFolder(R"(C:\WINDOWS\Web\leftimage)"));
    input.programFolder =
        request.programFolder ? folderAsThePageNamesIt(*request.programFolder) : programFolder();

    if (!writeBytes(templateBytes(input))) {
        writeError("テンプレートを標準出力に書けませんでした。");
        return kExitFailed;
    }
    return kExitOk;
}

constexpr std::string_view kOptions[] = {"--restore", "--preset", "--help"};
constexpr std::string_view kValueOptions[] = {"--count", "--script-folder", "--program-folder"};

} // namespace

const Command templateCommand{"template", kHelp, run, {kOptions, kValueOptions, true, false}};

} // namespace lumivane::cli
