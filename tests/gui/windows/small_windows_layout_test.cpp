// The about box, the progress window and the preview as designed: every control of their
// forms against the running windows.
#include "app/qstring_print.h"
#include "fake_platform.h"
#include "form_check.h"
#include "windows/qt/click_label.h"
#include "windows/qt/fabout.h"
#include "windows/qt/fgraph.h"
#include "windows/qt/fview.h"
#include "windows/small_forms.h"

#include <QLabel>
#include <QUrl>
#include <gtest/gtest.h>

namespace lumivane::windows {
namespace {

using lumivane::testing::pixelsOf;

TEST(SmallWindowsLayout, AboutBoxAsDesigned) {
    testing::FakePlatform platform;
    QWidget owner;
    FAbout about(platform, &owner, [](const QUrl&) {});
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.geometry(), pixelsOf(FAboutForm().client));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "a fixed border";
    // Loading puts the version line in place of the designed text.
    lumivane::testing::expectBuiltAsDesigned(about, FAboutForm(), {{}, {"lblVer"}});
    EXPECT_EQ(about.lblVer->text(), QStringLiteral("Ver. 1.40"));
    // The addresses stand in the highlight colour of the system's scheme.
    for (const QLabel* link :
         {static_cast<QLabel*>(about.lblURL), static_cast<QLabel*>(about.lblMail)})
        EXPECT_EQ(link->palette().color(QPalette::WindowText),
                  QColor(int(platform.colors[platform::syscolor::Highlight] & 255),
                         int((platform.colors[platform::syscolor::Highlight] >> 8) & 255),
                         int((platform.colors[platform::syscolor::Highlight] >> 16) & 255)));
}

TEST(SmallWindowsLayout, ProgressWindowAsDesigned) {
    QWidget owner;
    Fgraph graph(&owner);
    EXPECT_EQ(graph.geometry(), pixelsOf(FgraphForm().client));
    EXPECT_EQ(graph.minimumSize(), graph.maximumSize()) << "a fixed border";
    // The bar, designed 435 wide, is empty when the window loads.
    lumivane::testing::expectBuiltAsDesigned(graph, FgraphForm(), {{"lblBar"}, {}});
    EXPECT_EQ(graph.lblBar->geometry(), QRect(26, 18, 0, 29));
}

TEST(SmallWindowsLayout, PreviewAsDesigned) {
    Fview view;
    EXPECT_EQ(view.geometry(), pixelsOf(FviewForm().client));
    lumivane::testing::expectBuiltAsDesigned(view, FviewForm());
}

} // namespace
} // namespace lumivane::windows
