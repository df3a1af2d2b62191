#pragma once

#include <functional>

namespace lumivane::webview {

class FolderWindow;

/// Called each time the window's page has laid itself out.
using LaidOutHook = std::function<void(FolderWindow&)>;

/// Everything lumivane-webview does, from its arguments to its exit status: the window on
/// the emulated system, or the shot of --png.
int viewerMain(int argc, char** argv, const LaidOutHook& laidOut = {});

} // namespace lumivane::webview
