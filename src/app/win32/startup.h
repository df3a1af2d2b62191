#pragma once

#include "app/win32/fmain.h"
#include "platform/platform.h"

#include <memory>

namespace lumivane::app::win32 {

/// What the program holds once it has started: the system's platform and the main window
/// that works on it (declared in this order, so the window goes first).
struct StartedProgram {
    std::unique_ptr<platform::Platform> platform;
    std::unique_ptr<Fmain> window;
};

/// The system's platform and the main window, shown. COM must be set up on this thread.
StartedProgram startProgram(int show = SW_SHOWNORMAL);

/// Dispatches the thread's window messages while a window of the program is open.
int runMessageLoop(const Fmain& window);

} // namespace lumivane::app::win32
