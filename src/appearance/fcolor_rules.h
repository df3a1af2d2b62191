#pragma once

#include "appearance/color_entry.h"
#include "appearance/toolbar_background.h"
#include "platform/platform.h"
#include "windows/form_controls.h"

namespace lumivane {

/// What the colour changer asks of its front-end beyond its controls.
class FcolorHost {
public:
    virtual ~FcolorHost() = default;
    /// The sample toolbar's background tiles.
    virtual TileTarget& toolbarTiles() = 0;
    /// Closes and destroys the window; `applied` after "変更", not after "中止".
    virtual void closeWindow(bool applied) = 0;
};

/// The colour changer "色チェンジ": edits the four system colours of Explorer windows with a
/// swatch and a sample window, applies and stores them on "変更". Built afresh for every
/// opening, it starts from the system colours of that moment.
class FcolorRules {
public:
    /// Registers its handlers with the window's events.
    FcolorRules(platform::Platform& platform, forms::FormControls& controls,
                forms::FormEvents& events, FcolorHost& host);

    /// Opening: the sample toolbar's tiles and colour, the four targets read from the system
    /// and shown in the sample, the first target selected.
    void Form_Load();

    void cmbTarget_Click();
    void hsRed_Change();
    void hsRed_Scroll();
    void hsGreen_Change();
    void hsGreen_Scroll();
    void hsBlue_Change();
    void hsBlue_Scroll();
    /// "変更": all four colours become system colours and are stored; the window closes.
    void cmdChange_Click();
    /// "戻す": the selected target goes back to its colour at opening.
    void cmdBack_Click();
    /// "中止": the window closes; nothing is applied or stored.
    void cmdCansel_Click();

    /// Paints one target's current colour into the sample window.
    void ShowSampleColor(int index);

    /// The colours as they were when the window opened, and as edited.
    const ColorEntries& initialColors() const { return InitialColors; }
    const ColorEntries& currentColors() const { return CurrentColors; }

private:
    void barMoved(ColorPart part);
    void setBars(const ColorEntry& entry);
    int selected() const;

    platform::Platform& platform_;
    forms::FormControls& controls_;
    FcolorHost& host_;
    ColorEntries InitialColors{};
    ColorEntries CurrentColors{};
};

} // namespace lumivane
