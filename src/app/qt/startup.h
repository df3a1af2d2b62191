#pragma once

#include "app/qt/fmain.h"
#include "platform/platform.h"

#include <memory>

namespace lumivane::app {

/// What the program holds once it has started: the system's platform and the main window
/// that works on it (declared in this order, so the window goes first).
struct StartedProgram {
    std::unique_ptr<platform::Platform> platform;
    std::unique_ptr<Fmain> window;
};

/// Everything the program does between creating its QApplication and entering the event
/// loop: the look, the system's platform with its colours followed, the main window shown.
StartedProgram startProgram();

} // namespace lumivane::app
