#include "appearance/fcolor_rules.h"

#include "appearance/fcolor_form.h"

namespace lumivane {

using namespace fcolor;

FcolorRules::FcolorRules(platform::Platform& platform, forms::FormControls& controls,
                         forms::FormEvents& events, FcolorHost& host)
    : platform_(platform), controls_(controls), host_(host) {
    using forms::Event;
    events.on(cmbTarget, Event::Click, [this] { cmbTarget_Click(); });
    events.on(hsRed, Event::Change, [this] { hsRed_Change(); });
    events.on(hsRed, Event::Scroll, [this] { hsRed_Scroll(); });
    events.on(hsGreen, Event::Change, [this] { hsGreen_Change(); });
    events.on(hsGreen, Event::Scroll, [this] { hsGreen_Scroll(); });
    events.on(hsBlue, Event::Change, [this] { hsBlue_Change(); });
    events.on(hsBlue, Event::Scroll, [this] { hsBlue_Scroll(); });
    events.on(cmdChange, Event::Click, [this] { cmdChange_Click(); });
    events.on(cmdBack, Event::Click, [this] { cmdBack_Click(); });
    events.on(cmdCansel, Event::Click, [this] { cmdCansel_Click(); });
}

void FcolorRules::Form_Load() {
    ShowToolbarBackImage(platform_, host_.toolbarTiles());
    controls_.setBackColor(Picture1, platform_.sysColor(platform::syscolor::BtnFace));
    for (std::size_t i = 0; i < kColorTargets.size(); ++i) {
        controls_.addItem(cmbTarget, kColorTargets[i].caption);
        InitialColors[i] = ColorEntryFrom(platform_.sysColor(kColorTargets[i].sysColorIndex));
        CurrentColors[i] = InitialColors[i];
        ShowSampleColor(static_cast<int>(i));
    }
    controls_.setListIndex(cmbTarget, 0);
}

int FcolorRules::selected() const {
    const int i = controls_.listIndex(cmbTarget);
    return i >= 0 && i < static_cast<int>(kColorTargets.size()) ? i : -1;
}

void FcolorRules::cmbTarget_Click() {
    const int i = selected();
    if (i < 0)
        return;
    setBars(CurrentColors[i]);
    // Covers the case where no bar moved.
    controls_.setBackColor(picSample, CurrentColors[i].Color);
    controls_.setText(lblMessage, kColorTargets[i].help);
}

void FcolorRules::setBars(const ColorEntry& entry) {
    // Each bar that moves runs its change handling for the selected target, which takes the
    // colour from that target's own parts, so the three moves never mix two targets.
    controls_.setValue(hsRed, entry.Red);
    controls_.setValue(hsGreen, entry.Green);
    controls_.setValue(hsBlue, entry.Blue);
}

void FcolorRules::barMoved(ColorPart part) {
    const int i = selected();
    if (i < 0)
        return;
    const forms::ControlRef bar = part == ColorPart::Red     ? hsRed
                                  : part == ColorPart::Green ? hsGreen
                                                             : hsBlue;
    SetColorPart(CurrentColors[i], part, controls_.value(bar));
    controls_.setBackColor(picSample, CurrentColors[i].Color);
    ShowSampleColor(i);
}

void FcolorRules::hsRed_Change() {
    barMoved(ColorPart::Red);
}
void FcolorRules::hsRed_Scroll() {
    barMoved(ColorPart::Red);
}
void FcolorRules::hsGreen_Change() {
    barMoved(ColorPart::Green);
}
void FcolorRules::hsGreen_Scroll() {
    barMoved(ColorPart::Green);
}
void FcolorRules::hsBlue_Change() {
    barMoved(ColorPart::Blue);
}
void FcolorRules::hsBlue_Scroll() {
    barMoved(ColorPart::Blue);
}

void FcolorRules::ShowSampleColor(int index) {
    const std::uint32_t c = CurrentColors.at(static_cast<std::size_t>(index)).Color;
    switch (index) {
    case 0:
        controls_.setBackColor(lblWindowBack, c);
        controls_.setBackColor(lblAddress, c);
        break;
    case 1:
        controls_.setForeColor(lblIconString, c);
        controls_.setForeColor(lblAddress, c);
        break;
    case 2:
        for (int i = 0; i < 4; ++i)
            controls_.setForeColor(lblMenuString(i), c);
        break;
    case 3:
        controls_.setForeColor(lblButtonString, c);
        break;
    default:
        break;
    }
}

void FcolorRules::cmdChange_Click() {
    ApplyTargetColors(platform_, CurrentColors);
    host_.closeWindow(true);
}

void FcolorRules::cmdBack_Click() {
    const int i = selected();
    if (i < 0)
        return;
    CurrentColors[i] = InitialColors[i];
    setBars(CurrentColors[i]);
}

void FcolorRules::cmdCansel_Click() {
    host_.closeWindow(false);
}

} // namespace lumivane
