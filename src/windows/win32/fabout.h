#pragma once

#include "windows/small_rules.h"
#include "windows/win32/form.h"

#include <functional>
#include <string>

namespace lumivane::windows::win32 {

/// The about box in native controls: name, version, maker and two addresses handed to the
/// shell. Modal, owned by the main window; "OK" or the close box closes it.
class FAbout : private FAboutHost {
public:
    /// Hands an address to the desktop's default program.
    using AddressOpener = std::function<void(const std::string& address)>;

    /// `open` defaults to the shell's "open" (ShellExecute); tests pass their own.
    explicit FAbout(HWND owner, AddressOpener open = {});

    /// Shows the box and returns when it has closed.
    void showModal() { form_.showModal(); }
    lumivane::win32::Form& form() { return form_; }

private:
    void openAddress(const std::string& address) override;
    void closeWindow() override;

    AddressOpener open_;
    lumivane::win32::Form form_;
    FAboutRules rules_;
};

} // namespace lumivane::windows::win32
