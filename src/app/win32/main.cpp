// lumivane.exe: the main window in native Win32 controls, on Windows 2000 and later.
#include "app/win32/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    // COM on this thread, for the pictures, the shell's drops and the colour-choosing browser.
    if (FAILED(OleInitialize(nullptr)))
        return 1;
    int result = 0;
    {
        const lumivane::app::win32::StartedProgram program =
            lumivane::app::win32::startProgram(show);
        result = lumivane::app::win32::runMessageLoop(*program.window);
    }
    OleUninitialize();
    return result;
}
