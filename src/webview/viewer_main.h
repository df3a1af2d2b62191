#pragma once

#include <functional>

namespace lumivane::webview {

class FolderWindow;

/// Called each time the window's page has laid itself out.
using LaidOutHook = std::function<void(FolderWindow&)>;

/// What the page's engine needs before the QApplication is made: the viewer's scheme, shared
/// graphics contexts, and no sandbox for the root user (which it refuses: containers, CI).
void prepareEngine();

/// Everything lumivane-webview does, from its arguments to its exit status: the window on
/// the emulated system, or the shot of --png.
int viewerMain(int argc, char** argv, const LaidOutHook& laidOut = {});

} // namespace lumivane::webview
