#include "template/apply.h"

#include "template/template_text.h"

#include <optional>

namespace lumivane {
namespace {

/// The two lines of a failure: `what` on the first, its "{}" standing for the file's name
/// (and in `whole` for its whole path), and on the second the reason, then `more`.
ApplyResult failure(std::string_view what, const Status& status, std::string_view more = {}) {
    const auto naming = [&](std::string_view file) {
        std::string line(what);
        if (const std::size_t at = line.find("{}"); at != std::string::npos)
            line.replace(at, 2, file);
        return line;
    };
    std::string reason = "\r\n" + status.message;
    constexpr std::string_view stop = "。";
    if (!status.message.empty() && !std::string_view(status.message).ends_with(stop))
        reason += stop;
    reason += more;

    ApplyResult result;
    result.failed = true;
    result.message = naming(platform::fileName(status.path)) + reason;
    result.whole = naming(status.path) + reason;
    return result;
}

} // namespace

WebPaths webPaths(std::string_view windows) {
    WebPaths paths;
    paths.web = std::string(windows) + "\\Web";
    paths.templateFile = paths.web + "\\folder.htt";
    paths.backup = paths.web + "\\folder.lmv";
    paths.leftImageFolder = paths.web + "\\leftimage";
    return paths;
}

std::string pictureCopyPath(std::string_view leftImageFolder, int index) {
    return std::string(leftImageFolder) + "\\" + std::to_string(index) + ".lmv";
}

ApplyResult ApplyTemplate(platform::Platform& platform, bool restore,
                          const TemplateOptions& options, int imageCount,
                          std::string& leftImageFolder) {
    const WebPaths paths = webPaths(platform.windowsDirectory());
    leftImageFolder = paths.leftImageFolder;

    if (!platform.folderExists(paths.web))
        return {true, std::string(kNoWebFolderMessage), {}};

    if (!platform.folderExists(paths.leftImageFolder)) {
        if (const Status created = platform.createFolder(paths.leftImageFolder); !created)
            return failure("画像フォルダ「{}」を作成できませんでした。", created);
    }

    // The backup is made once, from the template in place; a Web folder without a template
    // has nothing to back up, and the next call tries again. As it is never made again, it
    // is written whole under its name or not at all, like the template: a copy in place cut
    // short by a crash would stay a part for good.
    if (!platform.fileExists(paths.backup) && platform.fileExists(paths.templateFile)) {
        const std::optional<std::string> original = platform.readFile(paths.templateFile);
        const Status copied =
            original ? platform.replaceFile(paths.backup, *original)
                     : Status::failure("元のテンプレートを読み込めませんでした", paths.backup);
        if (!copied)
            return failure("テンプレートのバックアップ「{}」を作成できませんでした。", copied);
    }

    TemplateInput input;
    input.restore = restore;
    input.options = options;
    input.imageCount = imageCount;
    input.scriptFolder = scriptFolder(leftImageFolder);
    input.programFolder = platform.programFolder();
    if (const Status written = platform.replaceFile(paths.templateFile, templateBytes(input));
        !written)
        return failure("テンプレート「{}」を書き込めませんでした。", written,
                       "元のテンプレートはそのままです。");

    if (restore)
        return {false, std::string(kRestoredMessage), {}};
    return {};
}

ApplyResult CopyPictureStock(platform::Platform& platform, std::string_view leftImageFolder,
                             std::span<const std::string> stock, const CopyProgress& progress) {
    const int total = static_cast<int>(stock.size());
    for (int i = 0; i < total; ++i) {
        const Status copied = platform.copyFile(stock[static_cast<std::size_t>(i)],
                                                pictureCopyPath(leftImageFolder, i));
        if (!copied) {
            // The source may be gone since the drop, or the copy may not fit in its place.
            const std::string picture = std::to_string(i + 1) + "枚目の画像";
            return failure(copied.path == stock[static_cast<std::size_t>(i)]
                               ? picture + "「{}」をコピーできませんでした。"
                               : picture + "を「{}」にコピーできませんでした。",
                           copied);
        }
        if (progress)
            progress(i + 1, total);
    }
    return {};
}

} // namespace lumivane
