#include "app/qt/fmain.h"

#include "app/qt/rgb_browser.h"
#include "appearance/qt/fcolor.h"
#include "appearance/qt/tile_strip.h"
#include "windows/qt/fabout.h"
#include "windows/qt/fgraph.h"
#include "windows/qt/help_line.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

// The icon's resource lives in the widget library; make sure it is linked and registered.
static void initResources() {
    Q_INIT_RESOURCE(lumivane);
}

namespace lumivane::app {

using namespace fmain;

namespace {

/// The toolbar strip's tiles, which the form only names: they fill Picture1.
windows::QtForm::Makers stripMaker(platform::Platform& platform) {
    windows::QtForm::Makers makers;
    makers.custom = [&platform](const forms::ControlSpec& row, QWidget* container) {
        return makeTiles(platform, FmainForm(), row, container);
    };
    return makers;
}

} // namespace

Fmain::Fmain(platform::Platform& platform, BrowserFactory browserFactory, QWidget* parent,
             int stockCapacity)
    : QWidget(parent), platform_(platform),
      form_(FmainForm(), this, &platform, stripMaker(platform)), strip_(platform, form_),
      rules_(platform, form_, form_, *this, strip_,
             *form_.get<TileStrip>(fmain::PToolBarBackImage(0)),
             browserFactory ? std::move(browserFactory) : rgbBrowserFactory(), stockCapacity) {
    initResources();
    setWindowIcon(QIcon(QStringLiteral(":/lumivane/lumivane.png")));
    findControls();
    rules_.Form_Load();
}

Fmain::~Fmain() = default;

void Fmain::findControls() {
    const auto& f = form_;
    Frame2 = f.get<QGroupBox>(fmain::Frame2);
    ListScroll = f.get<QScrollBar>(fmain::ListScroll);
    Frame1 = f.get<QGroupBox>(fmain::Frame1);
    chkShowMsg = f.get<QCheckBox>(fmain::chkShowMsg);
    chkFitImageWidth = f.get<QCheckBox>(fmain::chkFitImageWidth);
    chkFitImageHeight = f.get<QCheckBox>(fmain::chkFitImageHeight);
    chkReload = f.get<QCheckBox>(fmain::chkReload);
    lblMessage = f.get<windows::HelpLine>(fmain::lblMessage);
    cmdAbout = f.get<QPushButton>(fmain::cmdAbout);
    cmdMake = f.get<QPushButton>(fmain::cmdMake);
    cmdReturn = f.get<QPushButton>(fmain::cmdReturn);
    cmdDetail = f.get<QPushButton>(fmain::cmdDetail);
    lstImagePath = f.get<QListWidget>(fmain::lstImagePath);
    Frame3 = f.get<QGroupBox>(fmain::Frame3);
    chkShowIcon = f.get<QCheckBox>(fmain::chkShowIcon);
    chkShowLine = f.get<QCheckBox>(fmain::chkShowLine);
    chkThumbnail = f.get<QCheckBox>(fmain::chkThumbnail);
    chkThumnailPosition = f.get<QCheckBox>(fmain::chkThumnailPosition);
    chkShowFolderName = f.get<QCheckBox>(fmain::chkShowFolderName);
    chkFolderNamePosition = f.get<QCheckBox>(fmain::chkFolderNamePosition);
    chkFolderNameItalic = f.get<QCheckBox>(fmain::chkFolderNameItalic);
    chkShowDetail = f.get<QCheckBox>(fmain::chkShowDetail);
    cmdTovraMode = f.get<QPushButton>(fmain::cmdTovraMode);
    cmdSetColors = f.get<QPushButton>(fmain::cmdSetColors);
    Label1 = f.get<QLabel>(fmain::Label1);
    cmbFolderNameSize = f.get<QComboBox>(fmain::cmbFolderNameSize);
    Label2 = f.get<QLabel>(fmain::Label2);
    cmbInfoSize = f.get<QComboBox>(fmain::cmbInfoSize);
    Label4 = f.get<QLabel>(fmain::Label4);
    for (int i = 0; i < 4; ++i) {
        lblColor[i] = f.get<QLabel>(fmain::lblColor(i));
        cmdSetLink[i] = f.get<QPushButton>(fmain::cmdSetLink(i));
        Label6[i] = f.get<QLabel>(fmain::Label6(i));
    }
    for (int i = 0; i < 3; ++i)
        Label5[i] = f.get<QLabel>(fmain::Label5(i));
    Frame4 = f.get<QGroupBox>(fmain::Frame4);
    Label7 = f.get<QLabel>(fmain::Label7);
    Picture1 = f.get<QLabel>(fmain::Picture1);
    PToolBarBackImage = f.get<TileStrip>(fmain::PToolBarBackImage(0));
    for (int j = 0; j < 2; ++j) {
        chkSetLink[j] = f.get<QCheckBox>(fmain::chkSetLink(j));
        txtLinkTitle[j] = f.get<QLineEdit>(fmain::txtLinkTitle(j));
        txtLink[j] = f.get<QLineEdit>(fmain::txtLink(j));
    }
    Label3 = f.get<QLabel>(fmain::Label3);
    cmbLinkSize = f.get<QComboBox>(fmain::cmbLinkSize);
}

std::vector<QLabel*> Fmain::thumnail() const {
    std::vector<QLabel*> elements;
    for (int i = 0; i < rules_.strip().stock().elementCount(); ++i)
        elements.push_back(form_.get<QLabel>(fmain::thumnail(i)));
    return elements;
}

void Fmain::setMessage(const QString& text, const QString& whole) {
    rules_.setMessage(text.toStdString(), whole.toStdString());
}

int Fmain::outerHeight() const {
    return height() * kTwipsPerPixel + kTitleAndBorderTwips;
}

void Fmain::setOuterHeight(int twips) {
    setFixedSize(twipsToPixels(FmainForm().client.width),
                 twipsToPixels(twips - kTitleAndBorderTwips));
}

void Fmain::showAbout() {
    // Modal and owned by this window; it destroys itself when closed.
    auto* about = new windows::FAbout(platform_, this);
    about->exec();
}

void Fmain::showColorChanger() {
    Fcolor form(platform_, this);
    form.exec();
}

std::unique_ptr<windows::ProgressWindow> Fmain::showProgress() {
    auto graph = std::make_unique<windows::Fgraph>(this);
    graph->show();
    return graph;
}

void Fmain::dispatchEvents() {
    QCoreApplication::processEvents();
}

void Fmain::closeEvent(QCloseEvent* event) {
    rules_.Form_Unload();
    event->accept();
}

void Fmain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        rules_.SystemColorsChanged();
    QWidget::changeEvent(event);
}

} // namespace lumivane::app
