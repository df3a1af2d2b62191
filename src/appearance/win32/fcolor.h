#pragma once

#include "appearance/fcolor_rules.h"
#include "appearance/win32/tile_strip.h"
#include "windows/win32/form.h"

namespace lumivane::win32 {

/// The colour changer "色チェンジ" in native controls, with its sample window drawn from the
/// core's strokes. Modal, owned by the main window, built afresh for every opening.
class Fcolor final : private FcolorHost {
public:
    Fcolor(platform::Platform& platform, HWND owner);

    /// Shows the window and returns when it has closed.
    void showModal() { form_.showModal(); }
    Form& form() { return form_; }
    FcolorRules& rules() { return rules_; }
    TileStrip& toolbar() { return tiles_; }

private:
    TileTarget& toolbarTiles() override { return tiles_; }
    void closeWindow(bool applied) override;

    Form form_;
    TileStrip tiles_;
    FcolorRules rules_;
};

} // namespace lumivane::win32
