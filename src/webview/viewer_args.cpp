#include "webview/viewer_args.h"

#include "cli/option_value.h"

#include <charconv>

namespace lumivane::webview {
namespace {

std::optional<int> wholeNumber(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

/// An argument quoted in a message: control characters as '?', so the message stays one line.
std::string quoted(std::string_view text) {
    std::string out = "'";
    for (const char c : text)
        out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return out + "'";
}

} // namespace

ParsedViewerArgs parseViewerArgs(const std::vector<std::string>& arguments) {
    ParsedViewerArgs parsed;
    ViewerArgs& args = parsed.args;
    const auto fail = [&](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    bool onlyFolders = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool option = !onlyFolders && argument.size() > 1 && argument.front() == '-';
        if (!option) {
            if (args.folder)
                return fail("フォルダは一つだけ指定できます: " + quoted(argument));
            args.folder = argument;
            continue;
        }
        if (argument == "--") {
            onlyFolders = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            args.help = true;
            continue;
        }
        if (argument == "--version") {
            args.version = true;
            continue;
        }
        if (argument == "--info") {
            args.info = true;
            continue;
        }
        std::string_view name;
        for (std::string_view option : {"--png", "--size", "--second", "--select"}) {
            if (cli::namesOption(argument, option))
                name = option;
        }
        if (name.empty())
            return fail("知らないオプションです: " + quoted(argument));
        const std::optional<std::string> given = cli::optionValue(arguments, i);
        if (!given)
            return fail(std::string(name) + " には値が要ります");
        const std::string& value = *given;
        if (name == "--png") {
            if (value.empty())
                return fail("--png にはファイル名が要ります");
            args.png = value;
        } else if (name == "--size") {
            const std::size_t x = value.find_first_of("xX");
            const std::optional<int> w =
                x == std::string::npos ? std::nullopt : wholeNumber(value.substr(0, x), 100, 8192);
            const std::optional<int> h =
                x == std::string::npos ? std::nullopt : wholeNumber(value.substr(x + 1), 100, 8192);
            if (!w || !h)
                return fail("--size は 幅x高さ (それぞれ 100 から 8192) で指定します: " +
                            quoted(value));
            args.width = w;
            args.height = h;
        } else if (name == "--second") {
            args.second = wholeNumber(value, 0, 59);
            if (!args.second)
                return fail("--second は 0 から 59 の秒で指定します: " + quoted(value));
        } else {
            if (value.empty())
                return fail("--select には名前が要ります");
            args.select.push_back(value);
        }
    }
    if (args.info && !args.png)
        return fail("--info は --png と一緒に使います");
    return parsed;
}

std::string viewerUsage() {
    return std::string(
               "使い方: lumivane-webview [FOLDER] [--size WxH] [--second S] [--select NAME]...\n"
               "       lumivane-webview [FOLDER] --png FILE [--size WxH] [--second S]\n"
               "                        [--select NAME]... [--info]\n"
               "\n"
               "エミュレートした Windows システムのフォルダを、Web フォルダの folder.htt を通して\n"
               "表示します。Lumivane の「変更」や「復元」、色の変更にはすぐに従います。\n"
               "\n"
               "  FOLDER          表示するフォルダ。ホストのパス (/home/me、~/Pictures) か\n"
               "                  Windows のパス "
               "(Z:\\home\\me、C:\\WINDOWS)。既定はホームフォルダ。\n"
               "  --png FILE      ウィンドウを画面に出さずに描き、ページの配置が済んだところを\n"
               "                  PNG で FILE に書いて終わります。\n"
               "  --size WxH      ウィンドウの大きさ (ピクセル、それぞれ 100 から 8192、既定 "
               "800x600)。\n"
               "  --second S      ページの時計を S 秒 (0 から 59) にします。背景の画像は\n"
               "                  S を画像の数で割った余りの番号になります。\n"
               "  --select NAME   フォルダの項目 NAME を選択します (何度でも指定できます)。\n"
               "  --info          選択の後のページの Info 要素の内容 (HTML) を標準出力に書きます\n"
               "                  (--png と一緒に使います)。\n"
               "  --version       プログラムの名前と版を表示します。\n"
               "  --help          この説明を表示します。\n"
               "値を取るオプションは --size 640x480 とも --size=640x480 とも書けます。\n"
               "\n"
               "ページのスクリプトのエラーはすべて標準エラーに書きます (メッセージと行)。\n"
               "ページの alert、confirm、prompt は待たずに OK、キャンセル、空の文字列で答え、\n"
               "--png では標準エラーに、ウィンドウではメッセージの欄に示します。\n"
               "--png は ") +
           std::to_string(kLayoutLimitSeconds) +
           " 秒たっても配置が終わらないページをあきらめます。\n"
           "終了状態: 0 エラーなし、1 スクリプトのエラーがあった、フォルダか folder.htt を\n"
           "読めなかった、ページの配置が終わらなかった、またはページのプロセスが終わった、\n"
           "2 引数の誤り。\n";
}

} // namespace lumivane::webview
