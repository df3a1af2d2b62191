#include "appearance/qt/fcolor.h"

#include "appearance/fcolor_form.h"
#include "appearance/qt/sample_picture.h"
#include "appearance/qt/tile_strip.h"
#include "windows/qt/help_line.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace lumivane {

using namespace fcolor;

namespace {

/// The sample window's pictures and the toolbar's tiles, which the form only names.
windows::QtForm::Makers sampleMakers(platform::Platform& platform, QDialog* window) {
    windows::QtForm::Makers makers;
    makers.custom = [&platform](const forms::ControlSpec& row, QWidget* container) {
        return makeTiles(platform, FcolorForm(), row, container);
    };
    makers.art = [window](forms::Art art, QSize size) -> QPixmap {
        switch (art) {
        case forms::Art::SampleWindow:
            return SampleExplorerPicture();
        case forms::Art::ToolbarGrip:
            return ToolbarGripPicture(size.height());
        case forms::Art::ToolbarSeparator:
            return ToolbarSeparatorPicture(size.width());
        case forms::Art::ProgramIcon: {
            // The main window's icon.
            const QWidget* owner = window->parentWidget();
            const QIcon icon =
                owner && !owner->windowIcon().isNull() ? owner->windowIcon() : window->windowIcon();
            return icon.pixmap(size);
        }
        case forms::Art::None:
            break;
        }
        return {};
    };
    return makers;
}

} // namespace

Fcolor::Fcolor(platform::Platform& platform, QWidget* owner)
    : QDialog(owner), form_(FcolorForm(), this, &platform, sampleMakers(platform, this)),
      rules_(platform, form_, form_, *this) {
    setModal(true);
    Label1 = form_.get<QLabel>(fcolor::Label1);
    hsRed = form_.get<QScrollBar>(fcolor::hsRed);
    Label2 = form_.get<QLabel>(fcolor::Label2);
    hsGreen = form_.get<QScrollBar>(fcolor::hsGreen);
    Label3 = form_.get<QLabel>(fcolor::Label3);
    hsBlue = form_.get<QScrollBar>(fcolor::hsBlue);
    picSample = form_.get<QLabel>(fcolor::picSample);
    cmbTarget = form_.get<QComboBox>(fcolor::cmbTarget);
    cmdBack = form_.get<QPushButton>(fcolor::cmdBack);
    cmdCansel = form_.get<QPushButton>(fcolor::cmdCansel);
    cmdChange = form_.get<QPushButton>(fcolor::cmdChange);
    picExample = form_.get<QLabel>(fcolor::picExample);
    Picture1 = form_.get<QLabel>(fcolor::Picture1);
    PToolBarBackImage = form_.get<TileStrip>(fcolor::PToolBarBackImage(0));
    Image1 = form_.get<QLabel>(fcolor::Image1);
    Image2 = form_.get<QLabel>(fcolor::Image2);
    Image3 = form_.get<QLabel>(fcolor::Image3);
    for (int i = 0; i < 4; ++i)
        lblMenuString[i] = form_.get<QLabel>(fcolor::lblMenuString(i));
    lblButtonString = form_.get<QLabel>(fcolor::lblButtonString);
    lblAddress = form_.get<QLabel>(fcolor::lblAddress);
    lblWindowBack = form_.get<QLabel>(fcolor::lblWindowBack);
    imgIcon = form_.get<QLabel>(fcolor::imgIcon);
    lblIconString = form_.get<QLabel>(fcolor::lblIconString);
    lblMessage = form_.get<windows::HelpLine>(fcolor::lblMessage);
    rules_.Form_Load();
}

TileTarget& Fcolor::toolbarTiles() {
    return *PToolBarBackImage;
}

void Fcolor::closeWindow(bool applied) {
    done(applied ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace lumivane
