// The about box and the progress window as designed, one table row per control, against the
// running windows.
#include "app/qstring_print.h"
#include "fake_platform.h"
#include "layout_table.h"
#include "windows/click_label.h"
#include "windows/fabout.h"
#include "windows/fgraph.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <gtest/gtest.h>
#include <vector>

namespace lumivane::windows {
namespace {

using lumivane::testing::pixelsOf;
using lumivane::testing::Place;

/// One control: place in twips, caption, and where the design names it, its font.
struct Control {
    const char* name;
    Place place;
    const char* caption;
    bool bordered;
    const char* fontFamily = nullptr;
    double points = 0;
};

/// A window: caption, client area's place on the screen and size, and its controls.
struct Window {
    const char* name;
    const char* caption;
    Place client;
    std::vector<Control> controls;
};

const Window kAbout{
    "FAbout",
    "ABOUT",
    {4875, 1845, 4680, 2250},
    {
        {"Label2", {900, 240, 2775, 495}, "Lumivane", false, "ＭＳ Ｐゴシック", 21.75},
        {"lblVer", {3060, 840, 1215, 315}, "Ver. 1.40", false, "ＭＳ Ｐゴシック", 14.25},
        {"Label1", {540, 1320, 1005, 180}, "Lumivane", false},
        {"lblURL", {1740, 1320, 2655, 180}, "https://lumivane.example.org/", false},
        {"Label4", {300, 1620, 1290, 180}, "Mail me, Please!!", false},
        {"lblMail", {1740, 1620, 1590, 180}, "lumivane@example.org", false},
        {"cmdOK", {3780, 1860, 855, 375}, "OK", false},
    }};

// The bar is designed 435 wide and set to 0 when the window loads.
const Window kGraph{
    "Fgraph",
    "処理中だ！！",
    {2340, 1845, 4125, 1305},
    {
        {"Label2", {360, 240, 3495, 495}, "", true},
        {"lblBar", {390, 270, 0, 435}, "", false},
        {"Label3", {780, 900, 2595, 180}, "しばらく、そのままでお待ちください", false},
    }};

QString caption(QWidget* w) {
    if (auto* button = qobject_cast<QPushButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    return {};
}

void expectAsDesigned(QWidget& window, const Window& design) {
    EXPECT_EQ(window.objectName(), QString::fromUtf8(design.name));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(design.caption));
    EXPECT_EQ(window.geometry(), pixelsOf(design.client));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "a fixed border";
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    for (const Control& row : design.controls) {
        SCOPED_TRACE(row.name);
        const QList<QWidget*> found = window.findChildren<QWidget*>(QString::fromUtf8(row.name));
        ASSERT_EQ(found.size(), 1);
        QWidget* w = found.front();
        EXPECT_EQ(w->parentWidget(), &window);
        EXPECT_EQ(w->geometry(), pixelsOf(row.place));
        EXPECT_EQ(caption(w), QString::fromUtf8(row.caption));
        auto* frame = qobject_cast<QFrame*>(w);
        EXPECT_EQ(frame && frame->frameShape() == QFrame::Box, row.bordered);
        if (row.fontFamily) {
            EXPECT_EQ(w->font().families().value(0), QString::fromUtf8(row.fontFamily));
            EXPECT_DOUBLE_EQ(w->font().pointSizeF(), row.points);
            EXPECT_EQ(w->font().weight(), QFont::Normal);
        }
    }
}

TEST(SmallWindowsLayout, AboutBoxAsDesigned) {
    testing::FakePlatform platform;
    QWidget owner;
    FAbout about(platform, &owner, [](const QUrl&) {});
    EXPECT_TRUE(about.isModal());
    expectAsDesigned(about, kAbout);
}

TEST(SmallWindowsLayout, ProgressWindowAsDesigned) {
    QWidget owner;
    Fgraph graph(&owner);
    expectAsDesigned(graph, kGraph);
    EXPECT_EQ(graph.lblBar->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_TRUE(graph.lblBar->autoFillBackground());
}

} // namespace
} // namespace lumivane::windows
