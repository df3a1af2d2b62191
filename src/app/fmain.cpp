#include "app/fmain.h"

#include "app/fmain_rules.h"
#include "app/rgb_browser.h"
#include "appearance/fcolor.h"
#include "appearance/toolbar_strip.h"
#include "stock/picture_strip.h"
#include "template/option_names.h"
#include "windows/fabout.h"
#include "windows/help_line.h"
#include "windows/twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
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

namespace {

constexpr int kClientWidth = 7215;

template <class W> W* make(QWidget* parent, const QString& name, Twips r) {
    auto* w = new W(parent);
    w->setObjectName(name);
    placeTwips(w, r);
    return w;
}

template <class W>
W* makeCaptioned(QWidget* parent, const QString& name, const QString& caption, Twips r) {
    auto* w = make<W>(parent, name, r);
    w->setText(caption);
    return w;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, Twips r) {
    auto* frame = make<QGroupBox>(parent, name, r);
    frame->setTitle(caption);
    return frame;
}

QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& caption, Twips r,
                     bool isChecked = false) {
    auto* box = makeCaptioned<QCheckBox>(parent, name, caption, r);
    box->setChecked(isChecked);
    return box;
}

QLabel* makeBorderedLabel(QWidget* parent, const QString& name, const QString& caption, Twips r) {
    auto* label = makeCaptioned<QLabel>(parent, name, caption, r);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    return label;
}

QComboBox* makeSizeList(QWidget* parent, const QString& name, Twips r) {
    // A drop-down list: the user picks an item and never types.
    auto* box = make<QComboBox>(parent, name, r);
    box->setEditable(false);
    return box;
}

QString indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

int checkValue(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Checked:
        return 1;
    }
    return 0;
}

} // namespace

Fmain::Fmain(platform::Platform& platform, BrowserFactory browserFactory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      platform_(platform),
      browserFactory_(browserFactory ? std::move(browserFactory) : rgbBrowserFactory()) {
    setObjectName(QStringLiteral("Fmain"));
    setWindowTitle(QStringLiteral("Lumivane"));
    initResources();
    setWindowIcon(QIcon(QStringLiteral(":/lumivane/lumivane.png")));
    createWindowControls();
    createFrame3Controls();
    createFrame4Controls();
    wireHandlers();
    setupHelpTexts();
    Form_Load();
}

Fmain::~Fmain() = default;

void Fmain::createWindowControls() {
    Frame2 = makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("サムネイル"),
                       {0, 60, 7215, 1575});
    auto* thumbnail0 = make<QLabel>(Frame2, indexed("thumnail", 0), {180, 240, 915, 855});
    thumbnail0->setScaledContents(true);
    thumbnail0->hide();
    thumnail.push_back(thumbnail0);
    ListScroll = new QScrollBar(Qt::Horizontal, this);
    ListScroll->setObjectName(QStringLiteral("ListScroll"));
    placeTwips(ListScroll, {60, 1320, 7095, 255});
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("ドロップ！！"),
                       {0, 1680, 1155, 1155});
    chkShowMsg = makeCheck(this, QStringLiteral("chkShowMsg"),
                           QStringLiteral("「アイコンを選択すると、その説明が表示されます」を表示"),
                           {1200, 1680, 4755, 195}, true);
    chkFitImageWidth =
        makeCheck(this, QStringLiteral("chkFitImageWidth"),
                  QStringLiteral("背景画像の横幅を常に100%にする"), {1200, 1920, 4755, 195});
    chkFitImageHeight =
        makeCheck(this, QStringLiteral("chkFitImageHeight"),
                  QStringLiteral("背景画像の高さを常に100%にする"), {1200, 2160, 4755, 195});
    chkReload = makeCheck(this, QStringLiteral("chkReload"), QStringLiteral("クリック再描画"),
                          {4440, 2160, 1515, 195});
    lblMessage = makeCaptioned<windows::HelpLine>(
        this, QStringLiteral("lblMessage"), QStringLiteral("Label1"), {1380, 2400, 4575, 435});
    cmdAbout = makeCaptioned<QPushButton>(this, QStringLiteral("cmdAbout"),
                                          QStringLiteral("あばうと"), {6060, 1800, 1155, 315});
    cmdMake = makeCaptioned<QPushButton>(this, QStringLiteral("cmdMake"), QStringLiteral("変更"),
                                         {6060, 2160, 735, 315});
    // The picture stock enables it once there is something to copy.
    cmdMake->setEnabled(false);
    cmdReturn = makeCaptioned<QPushButton>(this, QStringLiteral("cmdReturn"),
                                           QStringLiteral("復元"), {6060, 2520, 735, 315});
    cmdDetail = makeCaptioned<QPushButton>(this, QStringLiteral("cmdDetail"),
                                           QStringLiteral("詳細"), {6840, 2160, 375, 675});
    lstImagePath =
        make<QListWidget>(this, QStringLiteral("lstImagePath"), {8220, 4620, 3975, 2760});
    lstImagePath->hide();
    Frame3 = makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("詳細設定"),
                       {0, 2880, 7215, 3795});
    Frame3->hide();
}

void Fmain::createFrame3Controls() {
    QWidget* f = Frame3;
    chkShowIcon = makeCheck(f, QStringLiteral("chkShowIcon"),
                            QStringLiteral("左上のアイコンを表示"), {180, 240, 2175, 195}, true);
    chkShowLine = makeCheck(f, QStringLiteral("chkShowLine"), QStringLiteral("左上の境界線を表示"),
                            {180, 480, 2115, 195}, true);
    chkThumbnail = makeCheck(f, QStringLiteral("chkThumbnail"), QStringLiteral("サムネイルの表示"),
                             {180, 720, 2115, 195}, true);
    chkThumnailPosition =
        makeCheck(f, QStringLiteral("chkThumnailPosition"),
                  QStringLiteral("サムネイルを常に左下に表示"), {180, 960, 2955, 195});
    chkShowFolderName = makeCheck(f, QStringLiteral("chkShowFolderName"),
                                  QStringLiteral("フォルダ名を表示"), {3240, 240, 1695, 195}, true);
    chkFolderNamePosition =
        makeCheck(f, QStringLiteral("chkFolderNamePosition"),
                  QStringLiteral("フォルダ名をアイコンの横に表示"), {3240, 480, 2835, 195});
    chkFolderNameItalic =
        makeCheck(f, QStringLiteral("chkFolderNameItalic"),
                  QStringLiteral("フォルダ名をイタリックにする"), {3240, 720, 2475, 195});
    chkShowDetail = makeCheck(f, QStringLiteral("chkShowDetail"), QStringLiteral("詳細情報を表示"),
                              {3240, 960, 1815, 195}, true);
    cmdTovraMode = makeCaptioned<QPushButton>(f, QStringLiteral("cmdTovraMode"),
                                              QStringLiteral("お勧め"), {6420, 180, 735, 375});
    cmdSetColors = makeCaptioned<QPushButton>(f, QStringLiteral("cmdSetColors"),
                                              QStringLiteral("色設定"), {6420, 600, 735, 375});
    Label1 =
        makeCaptioned<QLabel>(f, QStringLiteral("Label1"),
                              QStringLiteral("フォルダ名の文字の大きさ"), {180, 1320, 2010, 180});
    cmbFolderNameSize =
        makeSizeList(f, QStringLiteral("cmbFolderNameSize"), {2280, 1260, 1215, 300});
    Label2 =
        makeCaptioned<QLabel>(f, QStringLiteral("Label2"), QStringLiteral("詳細情報の文字の大きさ"),
                              {180, 1680, 2010, 180});
    cmbInfoSize = makeSizeList(f, QStringLiteral("cmbInfoSize"), {2280, 1620, 1215, 300});
    Label4 = makeCaptioned<QLabel>(f, QStringLiteral("Label4"), QStringLiteral("フォルダ名の色"),
                                   {3780, 1260, 1185, 180});

    // Colour slots 0..2; slot 3 sits in Frame4.
    static constexpr std::array<int, 3> kSlotTop{1200, 1440, 1680};
    static const std::array<QString, 3> kSlotCaption{
        QStringLiteral("Black"), QStringLiteral("Black"), QStringLiteral("white")};
    static const std::array<QString, 3> kLabel5Caption{
        QStringLiteral("詳細情報の色"), QStringLiteral("背景の色"), QStringLiteral("文字色")};
    for (int i = 0; i < 3; ++i) {
        lblColor[i] = makeBorderedLabel(f, indexed("lblColor", i), kSlotCaption[i],
                                        {5100, kSlotTop[i], 1755, 240});
        cmdSetLink[i] =
            make<QPushButton>(f, indexed("cmdSetLink", i), {6840, kSlotTop[i], 195, 255});
    }
    Label5[0] =
        makeCaptioned<QLabel>(f, indexed("Label5", 0), kLabel5Caption[0], {3780, 1500, 1185, 180});
    Label5[1] =
        makeCaptioned<QLabel>(f, indexed("Label5", 1), kLabel5Caption[1], {3780, 1740, 1185, 180});
    Frame4 = makeFrame(f, QStringLiteral("Frame4"), QStringLiteral("リンクを張る"),
                       {60, 1980, 7095, 1215});
    Label5[2] = makeCaptioned<QLabel>(Frame4, indexed("Label5", 2), kLabel5Caption[2],
                                      {4440, 930, 540, 180});
    Label7 = makeCaptioned<QLabel>(f, QStringLiteral("Label7"),
                                   QStringLiteral("ツールバーの背景画像"), {120, 3300, 1770, 180});
    Picture1 = make<QFrame>(f, QStringLiteral("Picture1"), {1980, 3240, 5175, 495});
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void Fmain::createFrame4Controls() {
    QWidget* f = Frame4;
    static constexpr std::array<int, 2> kRowTop{240, 540};
    static constexpr std::array<int, 2> kTitleHeight{255, 270};
    for (int j = 0; j < 2; ++j) {
        const int top = kRowTop[j];
        chkSetLink[j] =
            makeCheck(f, indexed("chkSetLink", j), QString::number(j + 1), {240, top, 435, 255});
        Label6[2 * j] = makeCaptioned<QLabel>(f, indexed("Label6", 2 * j), QStringLiteral("Title"),
                                              {660, top + 60, 345, 180});
        txtLinkTitle[j] =
            make<QLineEdit>(f, indexed("txtLinkTitle", j), {1080, top, 1815, kTitleHeight[j]});
        Label6[2 * j + 1] = makeCaptioned<QLabel>(
            f, indexed("Label6", 2 * j + 1), QStringLiteral("URL"), {3000, top + 60, 330, 180});
        txtLink[j] = make<QLineEdit>(f, indexed("txtLink", j), {3420, top, 3555, 270});
    }
    Label3 = makeCaptioned<QLabel>(f, QStringLiteral("Label3"),
                                   QStringLiteral("詳細情報の文字の大きさ"), {180, 900, 2010, 180});
    cmbLinkSize = makeSizeList(f, QStringLiteral("cmbLinkSize"), {2220, 840, 1215, 300});
    lblColor[3] = makeBorderedLabel(f, indexed("lblColor", 3), QStringLiteral("blue"),
                                    {5040, 900, 1755, 240});
    cmdSetLink[3] = make<QPushButton>(f, indexed("cmdSetLink", 3), {6780, 900, 195, 255});
}

void Fmain::wireHandlers() {
    connect(cmdDetail, &QPushButton::clicked, this, &Fmain::cmdDetail_Click);
    connect(cmdTovraMode, &QPushButton::clicked, this, &Fmain::cmdTovraMode_Click);
    for (int j = 0; j < 2; ++j)
        connect(chkSetLink[j], &QCheckBox::toggled, this, [this, j] { chkSetLink_Click(j); });
    for (int i = 0; i < 4; ++i)
        connect(cmdSetLink[i], &QPushButton::clicked, this, [this, i] { cmdSetLink_Click(i); });
    connect(cmdAbout, &QPushButton::clicked, this, &Fmain::cmdAbout_Click);
    connect(cmdMake, &QPushButton::clicked, this, &Fmain::cmdMake_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &Fmain::cmdReturn_Click);
    connect(cmdSetColors, &QPushButton::clicked, this, &Fmain::cmdSetColors_Click);
    // The picture stock handles the drop frame, the thumbnails and the scroll bar itself, and
    // the toolbar strip its own drops, double-clicks and help text; both report to the help
    // line.
    strip_ = new stock::PictureStrip(
        platform_,
        {this, Frame1, Frame2, &thumnail, ListScroll, lstImagePath, cmdMake, cmdReturn, cmdAbout},
        this);
    connect(strip_, &stock::PictureStrip::message, this, &Fmain::setMessage);
    // The toolbar strip fills Picture1 inside its border and clips the tiles there.
    PToolBarBackImage = new ToolbarStrip(platform_, Picture1);
    PToolBarBackImage->setObjectName(QStringLiteral("PToolBarBackImage(0)"));
    PToolBarBackImage->setGeometry(Picture1->contentsRect());
    connect(PToolBarBackImage, &ToolbarStrip::message, this,
            [this](const QString& text) { setMessage(text); });
}

void Fmain::cmdSetColors_Click() {
    Fcolor form(platform_, this);
    form.exec();
}

std::int16_t Fmain::imageCount() const {
    return strip_->imageCount();
}

const std::vector<std::string>& Fmain::imagePaths() const {
    return strip_->stock().paths();
}

void Fmain::cmdAbout_Click() {
    // Modal and owned by this window; it destroys itself when closed.
    auto* about = new windows::FAbout(platform_, this);
    about->exec();
}

void Fmain::Form_Load() {
    setOuterHeight(kCollapsedHeight);
    setMessage(QStringLiteral("イメージファイルをドロップしてください。"));
    for (const std::string& item : sizeItems()) {
        const QString text = QString::fromStdString(item);
        cmbFolderNameSize->addItem(text);
        cmbInfoSize->addItem(text);
        cmbLinkSize->addItem(text);
    }
    cmbFolderNameSize->setCurrentIndex(6);
    cmbInfoSize->setCurrentIndex(3);
    cmbLinkSize->setCurrentIndex(3);
    // The link boxes' design state: disabled on the button-face colour.
    chkSetLink_Click(0);
    chkSetLink_Click(1);
}

int Fmain::outerHeight() const {
    return height() * kTwipsPerPixel + kTitleAndBorderTwips;
}

void Fmain::setOuterHeight(int twips) {
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(twips - kTitleAndBorderTwips));
}

void Fmain::cmdDetail_Click() {
    const int target = detailToggleTarget(outerHeight());
    Frame3->setVisible(target == kExpandedHeight);
    setOuterHeight(target);
}

void Fmain::setMessage(const QString& text, const QString& whole) {
    lblMessage->setText(text, whole);
}

TemplateOptions Fmain::options() const {
    TemplateOptions o;
    o.chkShowIcon = checkValue(chkShowIcon);
    o.chkShowLine = checkValue(chkShowLine);
    o.chkThumbnail = checkValue(chkThumbnail);
    o.chkThumnailPosition = checkValue(chkThumnailPosition);
    o.chkShowFolderName = checkValue(chkShowFolderName);
    o.chkFolderNamePosition = checkValue(chkFolderNamePosition);
    o.chkFolderNameItalic = checkValue(chkFolderNameItalic);
    o.chkShowDetail = checkValue(chkShowDetail);
    o.chkShowMsg = checkValue(chkShowMsg);
    o.chkFitImageWidth = checkValue(chkFitImageWidth);
    o.chkFitImageHeight = checkValue(chkFitImageHeight);
    o.chkReload = checkValue(chkReload);
    o.cmbFolderNameSize = cmbFolderNameSize->currentText().toStdString();
    o.cmbInfoSize = cmbInfoSize->currentText().toStdString();
    o.cmbLinkSize = cmbLinkSize->currentText().toStdString();
    for (int i = 0; i < 4; ++i)
        o.lblColor[i] = lblColor[i]->text().toStdString();
    for (int j = 0; j < 2; ++j) {
        o.chkSetLink[j] = checkValue(chkSetLink[j]);
        o.txtLinkTitle[j] = txtLinkTitle[j]->text().toStdString();
        o.txtLink[j] = txtLink[j]->text().toStdString();
    }
    return o;
}

void Fmain::closeEvent(QCloseEvent* event) {
    if (ieOpen && ie)
        ie->Quit();
    event->accept();
}

} // namespace lumivane::app
