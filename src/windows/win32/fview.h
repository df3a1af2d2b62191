#pragma once

#include "windows/small_rules.h"
#include "windows/win32/form.h"
#include "windows/win32/picture.h"

namespace lumivane::windows::win32 {

/// The preview window in native controls: one picture at its natural size, closed by a
/// click on the picture. Shown without an owner; the user's close destroys its window.
class Fview {
public:
    Fview();

    /// Shows `picture` at its natural size and sizes the window to it: outer width the
    /// picture's plus 80 twips, outer height plus 300 twips, never cutting the picture. The
    /// window keeps its place.
    void showPicture(lumivane::win32::Bitmap picture);
    /// Whether the window is still open.
    bool open() const { return form_.open(); }
    lumivane::win32::Form& form() { return form_; }

private:
    lumivane::win32::Form form_;
    FviewRules rules_;
};

} // namespace lumivane::windows::win32
