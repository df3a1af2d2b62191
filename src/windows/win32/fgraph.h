#pragma once

#include "windows/progress_bar.h"
#include "windows/win32/form.h"

namespace lumivane::windows::win32 {

/// The progress window "処理中だ！！" in native controls: a bar that grows while a long piece
/// of work runs. Shown modeless and owned by the main window while it exists; a new one
/// starts with an empty bar.
class Fgraph final : public ProgressWindow {
public:
    explicit Fgraph(HWND owner);

    double barWidth() const override { return barWidth_; }
    lumivane::win32::Form& form() { return form_; }

protected:
    void setBarWidth(double twips) override;

private:
    lumivane::win32::Form form_;
    double barWidth_ = 0.0;
};

} // namespace lumivane::windows::win32
