#include "appearance/win32/fcolor.h"

#include "appearance/fcolor_form.h"
#include "appearance/sample_art.h"
#include "appearance/win32/sample_art.h"
#include "windows/win32/metrics.h"

namespace lumivane::win32 {

namespace {

/// The pictures the form names, drawn to their controls' sizes; the program's icon is the
/// control's own.
void drawArt(Form& form) {
    for (const forms::ControlSpec& row : form.design().controls) {
        const RECT r = twipsToRect(row.place, screenDpi());
        switch (row.art) {
        case forms::Art::SampleWindow:
            form.setPicture(row.ref, paintDrawing(sample::SampleExplorerDrawing()));
            break;
        case forms::Art::ToolbarGrip:
            form.setPicture(row.ref, paintDrawing(sample::ToolbarGripDrawing(r.bottom - r.top)));
            break;
        case forms::Art::ToolbarSeparator:
            form.setPicture(row.ref,
                            paintDrawing(sample::ToolbarSeparatorDrawing(r.right - r.left)));
            break;
        case forms::Art::ProgramIcon:
        case forms::Art::None:
            break;
        }
    }
}

} // namespace

Fcolor::Fcolor(platform::Platform& platform, HWND owner)
    : form_(FcolorForm(), owner), tiles_(form_, fcolor::PToolBarBackImage(0)),
      rules_(platform, form_, form_, *this) {
    drawArt(form_);
    rules_.Form_Load();
}

void Fcolor::closeWindow(bool) {
    form_.close();
}

} // namespace lumivane::win32
