// lumivane-cli apply and restore: what "変更" and "復元" do, on this system's Web folder
// (on Linux the emulated system under $LUMIVANE_ROOT). Every message that the main window
// would put on its help line goes to standard output.
#include "cli/commands.h"
#include "cli/console.h"
#include "platform/platform.h"
#include "stock/picture_signature.h"
#include "stock/picture_stock.h"
#include "template/apply.h"
#include "template/option_names.h"
#include "template/template_text.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define LUMIVANE_ISATTY _isatty
#define LUMIVANE_FILENO _fileno
#else
#include <unistd.h>
#define LUMIVANE_ISATTY isatty
#define LUMIVANE_FILENO fileno
#endif

namespace lumivane::cli {
namespace {

constexpr std::string_view kApplyHelp =
    "lumivane-cli apply [--preset] [NAME=VALUE]... [--] PICTURE...\n"
    "  「変更」と同じことをします。画像 PICTURE を順に登録し (名前の末尾 3 文字が\n"
    "  jpg, bmp, gif などの形でないものがあれば、そこで登録をやめます。画像として読めない\n"
    "  ファイルは登録しません)、Web フォルダの folder.htt を書き換えて、画像を\n"
    "  leftimage\\0.lmv, 1.lmv, ... にコピーします。最初の変更の前に folder.lmv に\n"
    "  バックアップを作ります。\n"
    "  --preset      オプションを「お勧め」の値から始めます。\n"
    "  NAME=VALUE    オプションを設定します (名前と値は template コマンドと同じ)。\n"
    "  --            これより後はすべて画像のパスです (= を含むパスなど)。\n"
    "  メッセージは標準出力に書きます。端末ではコピーの進み具合を標準エラーに表示します。\n"
    "  終了状態: 0 成功、1 失敗を伝えるメッセージがあった、2 引数の誤り。\n";

constexpr std::string_view kRestoreHelp =
    "lumivane-cli restore\n"
    "  「復元」と同じことをします。Web フォルダの folder.htt を標準のテンプレートに\n"
    "  書き換えます (バックアップがなければ先に folder.lmv に作ります)。\n";

/// One message of the help line, as lines of standard output.
void tell(std::string_view message) {
    std::string text;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n')
            continue;
        text += message[i];
    }
    text += '\n';
    writeText(text);
}

bool isOptionName(std::string_view name) {
    const auto names = optionNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

/// A NAME=VALUE argument whose name looks like an option (letters and digits only), known or
/// not; anything else holding "=" is a picture's path.
bool looksLikeAssignment(std::string_view arg) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string_view::npos || equals == 0)
        return false;
    return std::all_of(arg.begin(), arg.begin() + static_cast<std::ptrdiff_t>(equals), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

class Progress {
public:
    Progress() : shown_(LUMIVANE_ISATTY(LUMIVANE_FILENO(stderr)) != 0) {}
    void operator()(int done, int total) {
        if (!shown_)
            return;
        std::fprintf(stderr, "\r画像をコピーしています %d/%d", done, total);
        if (done == total)
            std::fputc('\n', stderr);
        std::fflush(stderr);
    }

private:
    bool shown_;
};

int runApply(std::span<const std::string> args) {
    TemplateOptions options;
    bool preset = false;
    std::vector<std::pair<std::string, std::string>> assignments;
    std::vector<std::string> pictures;
    bool onlyPictures = false;
    for (const std::string& arg : args) {
        if (onlyPictures) {
            pictures.push_back(arg);
        } else if (arg == "--") {
            onlyPictures = true;
        } else if (arg == "--help" || arg == "-h") {
            return writeText(kApplyHelp) ? kExitOk : kExitFailed;
        } else if (arg == "--preset") {
            preset = true;
        } else if (arg.starts_with("-") && arg.size() > 1) {
            writeError("引数「" + arg +
                       "」は使えません。使い方は lumivane-cli apply --help で表示されます。");
            return kExitUsage;
        } else if (looksLikeAssignment(arg)) {
            const std::size_t equals = arg.find('=');
            if (!isOptionName(std::string_view(arg).substr(0, equals)) && !pictures.empty()) {
                // An option must come before the pictures; after them it is a picture.
                pictures.push_back(arg);
                continue;
            }
            assignments.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
        } else {
            pictures.push_back(arg);
        }
    }
    if (preset)
        options = TemplateOptions::preset();
    for (const auto& [name, value] : assignments) {
        if (const Status status = setOption(options, name, value); !status) {
            writeError(status.message);
            return kExitUsage;
        }
    }
    if (pictures.empty()) {
        writeError("画像が指定されていません。使い方は lumivane-cli apply --help で表示されます。");
        return kExitUsage;
    }

    const std::unique_ptr<platform::Platform> platform =
        platform::makeSystemPlatform(standardTemplateBytes());
    bool failed = false;

    // The pictures are added as a drop adds them.
    std::vector<std::string> stock;
    for (const std::string& picture : pictures) {
        const std::string path = platform->windowsPath(picture);
        if (!stock::passesNameTest(path)) {
            tell("ファイル形式が不正です");
            failed = true;
            break;
        }
        if (stock.size() >= static_cast<std::size_t>(stock::kMaxPictures)) {
            tell("登録できる画像は" + std::to_string(stock::kMaxPictures) + "枚までです。");
            failed = true;
            break;
        }
        const std::optional<std::string> bytes = platform->readFile(path);
        if (!bytes || !stock::looksLikePicture(*bytes)) {
            tell("画像として読み込めないファイルです: " + path);
            failed = true;
            continue;
        }
        stock.push_back(path);
    }
    if (stock.empty()) {
        // "変更" is disabled without pictures, and the template's script divides by their count.
        tell("登録された画像がないため、変更できません。");
        return kExitFailed;
    }

    std::string leftImageFolder;
    const ApplyResult applied =
        ApplyTemplate(*platform, false, options, static_cast<int>(stock.size()), leftImageFolder);
    if (!applied.message.empty())
        tell(applied.wholeMessage());
    if (applied.failed)
        return kExitFailed;

    Progress progress;
    const ApplyResult copied = CopyPictureStock(
        *platform, leftImageFolder, stock, [&](int done, int total) { progress(done, total); });
    if (!copied.message.empty())
        tell(copied.wholeMessage());
    return copied.failed || failed ? kExitFailed : kExitOk;
}

int runRestore(std::span<const std::string> args) {
    if (!args.empty()) {
        if (args[0] == "--help" || args[0] == "-h")
            return writeText(kRestoreHelp) ? kExitOk : kExitFailed;
        writeError("restore は引数を取りません。使い方は lumivane-cli restore --help で"
                   "表示されます。");
        return kExitUsage;
    }
    const std::unique_ptr<platform::Platform> platform =
        platform::makeSystemPlatform(standardTemplateBytes());
    std::string leftImageFolder;
    const ApplyResult restored = ApplyTemplate(*platform, true, {}, 1, leftImageFolder);
    if (!restored.message.empty())
        tell(restored.wholeMessage());
    return restored.failed ? kExitFailed : kExitOk;
}

constexpr std::string_view kApplyOptions[] = {"--preset", "--help", "--"};
constexpr std::string_view kRestoreOptions[] = {"--help"};

} // namespace

const Command applyCommand{"apply", kApplyHelp, runApply, {kApplyOptions, {}, true, true}};
const Command restoreCommand{
    "restore", kRestoreHelp, runRestore, {kRestoreOptions, {}, false, false}};

} // namespace lumivane::cli
