#include "appearance/fcolor.h"

#include "appearance/sample_picture.h"
#include "appearance/tile_strip.h"
#include "appearance/toolbar_background.h"
#include "windows/help_line.h"
#include "windows/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace lumivane {
namespace {

QColor toQColor(std::uint32_t color) {
    return QColor(int(color & 255), int((color >> 8) & 255), int((color >> 16) & 255));
}

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// Names a control as the program knows it and places it at a twip rectangle.
template <class W> W* place(W* widget, const char* name, Twips r) {
    widget->setObjectName(QLatin1String(name));
    placeTwips(widget, r);
    return widget;
}

/// A label that takes the size of its text, as the small captions do.
QLabel* caption(QWidget* parent, const QString& name, const QString& content, int left, int top) {
    auto* label = new QLabel(content, parent);
    label->setObjectName(name);
    label->adjustSize();
    label->move(twipsToPixels(left), twipsToPixels(top));
    return label;
}

/// A caption with its access letter underlined, as "ファイル(&F)" shows in a menu.
QString accessCaption(QString content) {
    const qsizetype amp = content.indexOf(u'&');
    if (amp < 0 || amp + 1 >= content.size())
        return content.toHtmlEscaped();
    return content.left(amp).toHtmlEscaped() + QStringLiteral("<u>") +
           content.mid(amp + 1, 1).toHtmlEscaped() + QStringLiteral("</u>") +
           content.mid(amp + 2).toHtmlEscaped();
}

void setRole(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    palette.setColor(QPalette::Disabled, role, color);
    widget->setPalette(palette);
}

} // namespace

Fcolor::Fcolor(platform::Platform& platform, QWidget* owner) : QDialog(owner), platform_(platform) {
    setObjectName(QStringLiteral("Fcolor"));
    setWindowTitle(QStringLiteral("色チェンジ"));
    // A tool window: small title bar with a close box, no minimise or maximise box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(twipsToPixels(3735), twipsToPixels(4500));
    createControls();
    connect(cmbTarget, &QComboBox::currentIndexChanged, this, &Fcolor::cmbTarget_Click);
    connect(hsRed, &QScrollBar::valueChanged, this, &Fcolor::hsRed_Change);
    connect(hsRed, &QScrollBar::sliderMoved, this, &Fcolor::hsRed_Scroll);
    connect(hsGreen, &QScrollBar::valueChanged, this, &Fcolor::hsGreen_Change);
    connect(hsGreen, &QScrollBar::sliderMoved, this, &Fcolor::hsGreen_Scroll);
    connect(hsBlue, &QScrollBar::valueChanged, this, &Fcolor::hsBlue_Change);
    connect(hsBlue, &QScrollBar::sliderMoved, this, &Fcolor::hsBlue_Scroll);
    connect(cmdChange, &QPushButton::clicked, this, &Fcolor::cmdChange_Click);
    connect(cmdBack, &QPushButton::clicked, this, &Fcolor::cmdBack_Click);
    connect(cmdCansel, &QPushButton::clicked, this, &Fcolor::cmdCansel_Click);

    // Opening.
    ShowToolbarBackImage();
    setRole(Picture1, QPalette::Window, toQColor(platform_.sysColor(platform::syscolor::BtnFace)));
    for (int i = 0; i < cmbTarget->count(); ++i) {
        InitialColors[i] = ColorEntryFrom(platform_.sysColor(cmbTarget->itemData(i).toInt()));
        CurrentColors[i] = InitialColors[i];
        ShowSampleColor(i);
    }
    // The list already stands on item 0, so selecting it raises no change: run the handling.
    cmbTarget->setCurrentIndex(0);
    cmbTarget_Click();
}

void Fcolor::createControls() {
    Label1 = caption(this, QStringLiteral("Label1"), QStringLiteral("R"), 60, 120);
    hsRed = place(new QScrollBar(Qt::Horizontal, this), "hsRed", {300, 60, 2475, 255});
    Label2 = caption(this, QStringLiteral("Label2"), QStringLiteral("G"), 60, 420);
    hsGreen = place(new QScrollBar(Qt::Horizontal, this), "hsGreen", {300, 360, 2475, 255});
    Label3 = caption(this, QStringLiteral("Label3"), QStringLiteral("B"), 60, 720);
    hsBlue = place(new QScrollBar(Qt::Horizontal, this), "hsBlue", {300, 660, 2475, 255});
    for (QScrollBar* bar : {hsRed, hsGreen, hsBlue}) {
        bar->setRange(0, 255);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        // Dragging the thumb reports through sliderMoved (the scroll event) and sets the
        // value when the thumb is let go (the change event).
        bar->setTracking(false);
    }
    hsRed->setPageStep(10); // a click in the red bar's track moves it by 10

    picSample = place(new QLabel(this), "picSample", {2820, 60, 915, 855});
    picSample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picSample->setAutoFillBackground(true);

    cmbTarget = place(new QComboBox(this), "cmbTarget", {0, 960, 1755, 300});
    cmbTarget->setEditable(false);
    for (const ColorTarget& target : kColorTargets)
        cmbTarget->addItem(text(target.caption), target.sysColorIndex);

    cmdBack =
        place(new QPushButton(QStringLiteral("戻す"), this), "cmdBack", {1800, 990, 615, 255});
    cmdCansel =
        place(new QPushButton(QStringLiteral("中止"), this), "cmdCansel", {2460, 990, 615, 255});
    cmdChange =
        place(new QPushButton(QStringLiteral("変更"), this), "cmdChange", {3120, 990, 615, 255});
    // None of the three is a default button: Enter neither applies nor reverts.
    for (QPushButton* button : {cmdBack, cmdCansel, cmdChange})
        button->setAutoDefault(false);

    // The sample window: a picture at natural size, clipped by its box, with the controls
    // that show the colours under edit laid over it.
    picExample = place(new QLabel(this), "picExample", {0, 1320, 3735, 2525});
    picExample->setPixmap(SampleExplorerPicture());
    picExample->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Picture1 = place(new QWidget(picExample), "Picture1", {100, 382, 3855, 755});
    Picture1->setAutoFillBackground(true);
    // The tiles are the bottom layer of the sample toolbar; everything below lies over them.
    PToolBarBackImage = new TileStrip(platform_, 3855, 755, Picture1);
    PToolBarBackImage->setObjectName(QStringLiteral("PToolBarBackImage(0)"));
    PToolBarBackImage->move(0, 0);

    Image1 = place(new QLabel(Picture1), "Image1", {30, 30, 45, 330});
    Image1->setPixmap(ToolbarGripPicture(Image1->height()));
    Image2 = place(new QLabel(Picture1), "Image2", {30, 450, 45, 270});
    Image2->setPixmap(ToolbarGripPicture(Image2->height()));
    Image3 = place(new QLabel(Picture1), "Image3", {0, 390, 3900, 30});
    Image3->setPixmap(ToolbarSeparatorPicture(Image3->width()));

    const std::array<std::pair<const char*, int>, 4> menus{
        {{"ファイル(&F)", 240}, {"編集(&E)", 1380}, {"表示(&V)", 2250}, {"移動(&G)", 3120}}};
    for (std::size_t i = 0; i < menus.size(); ++i)
        lblMenuString[i] =
            caption(Picture1, QStringLiteral("lblMenuString(%1)").arg(i),
                    accessCaption(QString::fromUtf8(menus[i].first)), menus[i].second, 110);
    lblButtonString = caption(Picture1, QStringLiteral("lblButtonString"),
                              accessCaption(QStringLiteral("アドレス(&D)")), 130, 500);

    lblAddress = place(new QLabel(QStringLiteral("  C:\\Temp"), Picture1), "lblAddress",
                       {1080, 440, 2580, 295});
    lblAddress->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblAddress->setAutoFillBackground(true);
    QFont addressFont(QStringLiteral("ＭＳ Ｐゴシック"));
    addressFont.setPointSizeF(11.25);
    lblAddress->setFont(addressFont);

    lblWindowBack = place(new QLabel(picExample), "lblWindowBack", {2325, 1230, 1380, 1305});
    lblWindowBack->setAutoFillBackground(true);
    imgIcon = place(new QLabel(picExample), "imgIcon", {2640, 1440, 480, 480});
    const QWidget* owner = parentWidget();
    const QIcon icon = owner && !owner->windowIcon().isNull() ? owner->windowIcon() : windowIcon();
    imgIcon->setPixmap(icon.pixmap(imgIcon->size()));
    lblIconString = caption(picExample, QStringLiteral("lblIconString"), QStringLiteral("lumi.exe"),
                            2580, 1980);

    lblMessage = place(new windows::HelpLine(this), "lblMessage", {0, 3840, 3735, 615});
}

void Fcolor::cmbTarget_Click() {
    const int i = cmbTarget->currentIndex();
    if (i < 0)
        return;
    setBars(CurrentColors[i]);
    // Covers the case where no bar moved.
    setRole(picSample, QPalette::Window, toQColor(CurrentColors[i].Color));
    lblMessage->setText(text(kColorTargets[i].help));
}

void Fcolor::setBars(const ColorEntry& entry) {
    // Each bar that moves runs its change handling for the selected target, which takes the
    // colour from that target's own parts, so the three moves never mix two targets.
    hsRed->setValue(entry.Red);
    hsGreen->setValue(entry.Green);
    hsBlue->setValue(entry.Blue);
}

void Fcolor::barMoved(ColorPart part, int value) {
    const int i = cmbTarget->currentIndex();
    if (i < 0)
        return;
    SetColorPart(CurrentColors[i], part, value);
    setRole(picSample, QPalette::Window, toQColor(CurrentColors[i].Color));
    ShowSampleColor(i);
}

void Fcolor::hsRed_Change() {
    barMoved(ColorPart::Red, hsRed->value());
}
void Fcolor::hsRed_Scroll() {
    barMoved(ColorPart::Red, hsRed->sliderPosition());
}
void Fcolor::hsGreen_Change() {
    barMoved(ColorPart::Green, hsGreen->value());
}
void Fcolor::hsGreen_Scroll() {
    barMoved(ColorPart::Green, hsGreen->sliderPosition());
}
void Fcolor::hsBlue_Change() {
    barMoved(ColorPart::Blue, hsBlue->value());
}
void Fcolor::hsBlue_Scroll() {
    barMoved(ColorPart::Blue, hsBlue->sliderPosition());
}

void Fcolor::ShowSampleColor(int index) {
    const QColor color = toQColor(CurrentColors[index].Color);
    switch (index) {
    case 0:
        setRole(lblWindowBack, QPalette::Window, color);
        setRole(lblAddress, QPalette::Window, color);
        break;
    case 1:
        setRole(lblIconString, QPalette::WindowText, color);
        setRole(lblAddress, QPalette::WindowText, color);
        break;
    case 2:
        for (QLabel* label : lblMenuString)
            setRole(label, QPalette::WindowText, color);
        break;
    case 3:
        setRole(lblButtonString, QPalette::WindowText, color);
        break;
    default:
        break;
    }
}

void Fcolor::ShowToolbarBackImage() {
    const std::string path = ToolbarBackBitmap(platform_);
    if (!HasBmpEnding(path))
        return;
    PToolBarBackImage->TileBackImage(path); // a bitmap that cannot be loaded shows no tiles
}

void Fcolor::cmdChange_Click() {
    ApplyTargetColors(platform_, CurrentColors);
    accept();
}

void Fcolor::cmdBack_Click() {
    const int i = cmbTarget->currentIndex();
    if (i < 0)
        return;
    CurrentColors[i] = InitialColors[i];
    setBars(CurrentColors[i]);
}

void Fcolor::cmdCansel_Click() {
    reject();
}

} // namespace lumivane
