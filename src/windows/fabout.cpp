#include "windows/fabout.h"

#include "platform/platform.h"
#include "windows/click_label.h"
#include "windows/fit_text.h"
#include "windows/twips.h"
#include "windows/version_text.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>

namespace lumivane::windows {

namespace {

QFont aboutFont(double points) {
    QFont font;
    // The designed face first; hosts without it fall back to a Japanese face they have.
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

QColor fromColorRef(std::uint32_t color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

ClickLabel* linkLabel(const QString& text, const QColor& color, QWidget* parent) {
    auto* label = new ClickLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

FAbout::FAbout(platform::Platform& platform, QWidget* owner, UrlOpener openUrl)
    : QDialog(owner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      openUrl_(std::move(openUrl)) {
    if (!openUrl_)
        openUrl_ = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(QStringLiteral("ABOUT"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);

    Label2 = new QLabel(QStringLiteral("Lumivane"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(aboutFont(21.75));
    placeTwips(Label2, {900, 240, 2775, 495});

    lblVer = new QLabel(QString::fromStdString(versionText()), this);
    lblVer->setObjectName(QStringLiteral("lblVer"));
    lblVer->setFont(aboutFont(14.25));
    placeTwips(lblVer, {3060, 840, 1215, 315});

    Label1 = new QLabel(QStringLiteral("Lumivane"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(Label1, {540, 1320, 1005, 180});

    const QColor highlight = fromColorRef(platform.sysColor(platform::syscolor::Highlight));
    lblURL = linkLabel(QStringLiteral("https://lumivane.example.org/"), highlight, this);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    placeTwips(lblURL, {1740, 1320, 2655, 180});

    Label4 = new QLabel(QStringLiteral("Mail me, Please!!"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    placeTwips(Label4, {300, 1620, 1290, 180});

    lblMail = linkLabel(QStringLiteral("lumivane@example.org"), highlight, this);
    lblMail->setObjectName(QStringLiteral("lblMail"));
    placeTwips(lblMail, {1740, 1620, 1590, 180});

    for (QLabel* label :
         {Label1, static_cast<QLabel*>(lblURL), Label4, static_cast<QLabel*>(lblMail)})
        fitTextToWidth(label);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    placeTwips(cmdOK, {3780, 1860, 855, 375});

    connect(lblMail, &ClickLabel::clicked, this, &FAbout::lblMail_Click);
    connect(lblURL, &ClickLabel::clicked, this, &FAbout::lblURL_Click);
    connect(cmdOK, &QPushButton::clicked, this, &FAbout::cmdOK_Click);

    const QRect client = twipsRect<QRect>({4875, 1845, 4680, 2250});
    setGeometry(client);
    setFixedSize(client.size());
}

void FAbout::lblMail_Click() {
    // A failing hand-over (no mail program) is not reported; the box stays as it is.
    openUrl_(QUrl(QStringLiteral("mailto:") + lblMail->text()));
}

void FAbout::lblURL_Click() {
    openUrl_(QUrl(lblURL->text()));
}

void FAbout::cmdOK_Click() {
    close();
}

} // namespace lumivane::windows
