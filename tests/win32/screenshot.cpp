// Shows the Win32 main window as a user has it after dropping pictures and pressing "詳細",
// on the real display, for scripts/screenshots.sh to grab. When the window is up it writes
// its place on the screen ("left top width height") to READY_FILE, then waits until
// READY_FILE.done appears (or a minute has passed) and ends.
// Usage: win32_screenshot READY_FILE PICTURE...
#include "app/fmain_form.h"
#include "app/win32/startup.h"
#include "platform/win32/wide.h"
#include "shell_drop.h"

#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace lumivane;

void pumpFor(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    MSG message;
    while (std::chrono::steady_clock::now() < end) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3 || FAILED(OleInitialize(nullptr)))
        return 2;
    const std::wstring ready = argv[1];
    std::vector<std::string> pictures;
    for (int i = 2; i < argc; ++i)
        pictures.push_back(platform::win32::fromWide(argv[i]));
    {
        app::win32::StartedProgram program = app::win32::startProgram();
        win32::Form& form = program.window->form();
        SetWindowPos(form.hwnd(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
        pumpFor(std::chrono::milliseconds(500));
        // As the user does: files dropped from the shell, then "詳細" pressed.
        win32::testing::dropFiles(form.hwnd(app::fmain::Frame1), pictures);
        SendMessageW(form.hwnd(app::fmain::cmdDetail), BM_CLICK, 0, 0);
        // The pointer rests on the detailed settings' own background: their help text.
        POINT rest{400, 73};
        ClientToScreen(form.hwnd(app::fmain::Frame3), &rest);
        SetCursorPos(rest.x, rest.y);
        SendMessageW(form.hwnd(app::fmain::Frame3), WM_MOUSEMOVE, 0, MAKELPARAM(400, 73));
        pumpFor(std::chrono::milliseconds(1500));
        RECT r;
        GetWindowRect(form.hwnd(), &r);
        const std::string place = std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' +
                                  std::to_string(r.right - r.left) + ' ' +
                                  std::to_string(r.bottom - r.top) + '\n';
        const HANDLE file = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, place.data(), static_cast<DWORD>(place.size()), &written, nullptr);
        CloseHandle(file);
        const std::wstring done = ready + L".done";
        const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES &&
               std::chrono::steady_clock::now() < end)
            pumpFor(std::chrono::milliseconds(100));
    }
    OleUninitialize();
    return 0;
}
