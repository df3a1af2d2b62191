#pragma once

#include "appearance/color_entry.h"
#include "platform/platform.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace lumivane::windows {
class HelpLine;
}

namespace lumivane {

class TileStrip;

/// The colour changer "色チェンジ": edits the four system colours of Explorer windows with a
/// swatch and a sample window, applies and stores them on "変更". Modal, owned by the main
/// window, built afresh for every opening.
class Fcolor final : public QDialog {
    Q_OBJECT
public:
    Fcolor(platform::Platform& platform, QWidget* owner);

    // The controls, in their places (twips in the source, pixels on screen).
    QLabel* Label1 = nullptr;
    QScrollBar* hsRed = nullptr;
    QLabel* Label2 = nullptr;
    QScrollBar* hsGreen = nullptr;
    QLabel* Label3 = nullptr;
    QScrollBar* hsBlue = nullptr;
    QLabel* picSample = nullptr;
    QComboBox* cmbTarget = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdCansel = nullptr;
    QPushButton* cmdChange = nullptr;
    QLabel* picExample = nullptr;
    QWidget* Picture1 = nullptr;
    TileStrip* PToolBarBackImage = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    std::array<QLabel*, 4> lblMenuString{};
    QLabel* lblButtonString = nullptr;
    QLabel* lblAddress = nullptr;
    QLabel* lblWindowBack = nullptr;
    QLabel* imgIcon = nullptr;
    QLabel* lblIconString = nullptr;
    windows::HelpLine* lblMessage = nullptr;

    /// The colours as they were when the window opened, and as edited.
    const ColorEntries& initialColors() const { return InitialColors; }
    const ColorEntries& currentColors() const { return CurrentColors; }

    void cmbTarget_Click();
    void hsRed_Change();
    void hsRed_Scroll();
    void hsGreen_Change();
    void hsGreen_Scroll();
    void hsBlue_Change();
    void hsBlue_Scroll();
    void cmdChange_Click();
    void cmdBack_Click();
    void cmdCansel_Click();

    /// Paints one target's current colour into the sample window.
    void ShowSampleColor(int index);
    /// Tiles the stored toolbar background bitmap into the sample toolbar.
    void ShowToolbarBackImage();

private:
    void createControls();
    void barMoved(ColorPart part, int value);
    void setBars(const ColorEntry& entry);

    platform::Platform& platform_;
    ColorEntries InitialColors{};
    ColorEntries CurrentColors{};
};

} // namespace lumivane
