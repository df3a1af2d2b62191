#include "app/win32/startup.h"

#include "template/template_text.h"

namespace lumivane::app::win32 {

StartedProgram startProgram(int show) {
    StartedProgram program;
    program.platform = platform::makeSystemPlatform(standardTemplateBytes());
    program.window = std::make_unique<Fmain>(*program.platform);
    program.window->form().show(show);
    return program;
}

int runMessageLoop(const Fmain& window) {
    MSG message{};
    while (window.running()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0)
            break;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace lumivane::app::win32
