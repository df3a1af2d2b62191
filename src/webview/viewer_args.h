#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumivane::webview {

/// How long --png waits for a page to lay itself out before it gives up on it.
inline constexpr int kLayoutLimitSeconds = 20;

/// What lumivane-webview was asked to do.
struct ViewerArgs {
    std::optional<std::string> folder; ///< as given: a host or a Windows path
    std::optional<std::string> png;    ///< render offscreen into this file, then end
    std::optional<int> width;          ///< the window's size in pixels
    std::optional<int> height;
    std::optional<int> second;       ///< the page's clock reads this second of the minute
    std::vector<std::string> select; ///< names of entries selected before the shot
    bool info = false;               ///< print the page's Info element after the selection
    bool help = false;
    bool version = false;
};

struct ParsedViewerArgs {
    ViewerArgs args;
    std::string error; ///< one line for standard error; empty when the arguments are good
};

/// Reads the arguments after the program's name.
ParsedViewerArgs parseViewerArgs(const std::vector<std::string>& arguments);

/// The text of --help.
std::string viewerUsage();

} // namespace lumivane::webview
