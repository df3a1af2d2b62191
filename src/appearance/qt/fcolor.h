#pragma once

#include "appearance/fcolor_rules.h"
#include "windows/qt/qt_form.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace lumivane::windows {
class HelpLine;
}

namespace lumivane {

class TileStrip;

/// The colour changer "色チェンジ" in Qt widgets. Modal, owned by the main window, built
/// afresh for every opening.
class Fcolor final : public QDialog, private FcolorHost {
    Q_OBJECT
public:
    Fcolor(platform::Platform& platform, QWidget* owner);

    FcolorRules& rules() { return rules_; }
    const ColorEntries& initialColors() const { return rules_.initialColors(); }
    const ColorEntries& currentColors() const { return rules_.currentColors(); }

    QLabel* Label1;
    QScrollBar* hsRed;
    QLabel* Label2;
    QScrollBar* hsGreen;
    QLabel* Label3;
    QScrollBar* hsBlue;
    QLabel* picSample;
    QComboBox* cmbTarget;
    QPushButton* cmdBack;
    QPushButton* cmdCansel;
    QPushButton* cmdChange;
    QLabel* picExample;
    QLabel* Picture1;
    TileStrip* PToolBarBackImage;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    std::array<QLabel*, 4> lblMenuString{};
    QLabel* lblButtonString;
    QLabel* lblAddress;
    QLabel* lblWindowBack;
    QLabel* imgIcon;
    QLabel* lblIconString;
    windows::HelpLine* lblMessage;

private:
    TileTarget& toolbarTiles() override;
    void closeWindow(bool applied) override;

    windows::QtForm form_;
    FcolorRules rules_;
};

} // namespace lumivane
