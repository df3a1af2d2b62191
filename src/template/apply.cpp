#include "template/apply.h"

#include "template/template_text.h"

#include <optional>

namespace lumivane {
namespace {

/// "{what}（{path}）。{more}" and on the next line why, so the help line says both.
ApplyResult failure(std::string_view what, const Status& status, std::string_view more = {}) {
    ApplyResult result;
    result.failed = true;
    result.message = std::string(what);
    if (!status.path.empty()) {
        result.message += "（";
        result.message += status.path;
        result.message += "）";
    }
    result.message += "。";
    result.message += more;
    if (!status.message.empty()) {
        result.message += "\r\n";
        result.message += status.message;
        constexpr std::string_view stop = "。";
        if (!std::string_view(status.message).ends_with(stop))
            result.message += stop;
    }
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
        return {true, std::string(kNoWebFolderMessage)};

    if (!platform.folderExists(paths.leftImageFolder)) {
        if (const Status created = platform.createFolder(paths.leftImageFolder); !created)
            return failure("画像フォルダを作成できませんでした", created);
    }

    // The backup is made once, from the template in place; a Web folder without a template
    // has nothing to back up, and the next call tries again. As it is never made again, it
    // is written whole under its name or not at all, like the template: a copy in place cut
    // short by a crash would stay a part for good.
    if (!platform.fileExists(paths.backup) && platform.fileExists(paths.templateFile)) {
        const std::optional<std::string> original = platform.readFile(paths.templateFile);
        const Status copied =
            original ? platform.replaceFile(paths.backup, *original)
                     : Status::failure("テンプレートを読み込めませんでした", paths.templateFile);
        if (!copied)
            return failure("テンプレートのバックアップを作成できませんでした", copied);
    }

    TemplateInput input;
    input.restore = restore;
    input.options = options;
    input.imageCount = imageCount;
    input.scriptFolder = scriptFolder(leftImageFolder);
    input.programFolder = platform.programFolder();
    if (const Status written = platform.replaceFile(paths.templateFile, templateBytes(input));
        !written)
        return failure("テンプレートを書き込めませんでした", written,
                       "元のテンプレートはそのままです。");

    if (restore)
        return {false, std::string(kRestoredMessage)};
    return {};
}

ApplyResult CopyPictureStock(platform::Platform& platform, std::string_view leftImageFolder,
                             std::span<const std::string> stock, const CopyProgress& progress) {
    const int total = static_cast<int>(stock.size());
    for (int i = 0; i < total; ++i) {
        const Status copied = platform.copyFile(stock[static_cast<std::size_t>(i)],
                                                pictureCopyPath(leftImageFolder, i));
        if (!copied) {
            return failure(std::to_string(total) + "枚中" + std::to_string(i + 1) +
                               "枚目の画像をコピーできませんでした",
                           copied);
        }
        if (progress)
            progress(i + 1, total);
    }
    return {};
}

} // namespace lumivane
