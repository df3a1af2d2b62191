#pragma once

#include "platform/platform.h"
#include "template/options.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace lumivane {

/// The folders and files kept under the Windows directory, formed by plain concatenation.
struct WebPaths {
    std::string web;             ///< `{windows}\Web`
    std::string templateFile;    ///< `{windows}\Web\folder.htt`
    std::string backup;          ///< `{windows}\Web\folder.lmv`
    std::string leftImageFolder; ///< `{windows}\Web\leftimage`
};

/// The paths for the Windows directory `windows` (no trailing separator).
WebPaths webPaths(std::string_view windows);

/// The copy of stock picture `index` in the picture folder: `{folder}\{index}.lmv`.
std::string pictureCopyPath(std::string_view leftImageFolder, int index);

/// The two sentences shown when the Web folder is missing, on two lines.
inline constexpr std::string_view kNoWebFolderMessage =
    "WEBファイルが存在しません。Windowsのバージョンを確認してください。\r\n"
    "Lumivaneは、IE4以上がデスクトップに統合されていないと正しく動作しません。";
/// Shown after a restore.
inline constexpr std::string_view kRestoredMessage = "復元完了!!";

/// What an apply step tells the user. A failure takes two lines: what failed, naming the file
/// by its name alone, and why.
struct ApplyResult {
    bool failed = false;
    std::string message; ///< for the help line; empty when it keeps its text
    std::string whole;   ///< the message with the file's whole path; empty when it names none

    /// The message as a console or a tooltip shows it, with the whole path.
    const std::string& wholeMessage() const { return whole.empty() ? message : whole; }
};

/// Writes the folder template: finds the Web folder, creates the picture folder when
/// missing, makes the one-time backup while none exists (skipped when there is no template
/// to back up) and replaces folder.htt whole with the template text for `restore`,
/// `options` and `imageCount`. `leftImageFolder` is set first, whatever happens after.
/// Stops at the first failing operation and says what failed and why; the old template is
/// then intact. A restore ends with kRestoredMessage.
ApplyResult ApplyTemplate(platform::Platform& platform, bool restore,
                          const TemplateOptions& options, int imageCount,
                          std::string& leftImageFolder);

/// Called after each picture copy with the copies done so far and the total.
using CopyProgress = std::function<void(int done, int total)>;

/// Copies stock picture i to `{leftImageFolder}\{i}.lmv` for every i in order, reporting
/// progress after each copy. Stops at the first copy that fails and says which one.
ApplyResult CopyPictureStock(platform::Platform& platform, std::string_view leftImageFolder,
                             std::span<const std::string> stock, const CopyProgress& progress);

} // namespace lumivane
