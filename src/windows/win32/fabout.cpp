#include "windows/win32/fabout.h"

#include "windows/small_forms.h"
#include "windows/win32/shell.h"

namespace lumivane::windows::win32 {

FAbout::FAbout(HWND owner, AddressOpener open)
    : open_(std::move(open)), form_(FAboutForm(), owner), rules_(form_, form_, *this) {
    if (!open_)
        open_ = [](const std::string& address) { lumivane::win32::openWithShell(address); };
    rules_.Form_Load();
}

void FAbout::openAddress(const std::string& address) {
    // A failing hand-over (no mail program) is not reported; the box stays as it is.
    open_(address);
}

void FAbout::closeWindow() {
    form_.close();
}

} // namespace lumivane::windows::win32
