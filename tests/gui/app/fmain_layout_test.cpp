// The main window as designed: every control of its form in its container, at its place,
// with its caption, first state and help text; the size lists and the preset.
#include "app/fmain_form.h"
#include "app/qt/fmain.h"
#include "fake_platform.h"
#include "form_check.h"
#include "qstring_print.h"
#include "support/fake_browser.h"
#include "windows/qt/help_line.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace lumivane::app {
namespace {

using forms::ControlSpec;
using testing::pixelsOf;

/// The 31 items of every size list, in order.
const QStringList kSizes{"4pt",  "6pt",  "8pt",  "10pt", "12pt", "14pt", "16pt", "18pt",
                         "20pt", "22pt", "24pt", "26pt", "28pt", "30pt", "32pt", "34pt",
                         "36pt", "38pt", "40pt", "42pt", "44pt", "46pt", "48pt", "50pt",
                         "52pt", "54pt", "56pt", "58pt", "60pt", "62pt", "64pt"};

/// One option: the control that holds it, its value at start and after "お勧め".
struct Option {
    const char* control;
    const char* initial;
    const char* preset;
};

const std::vector<Option> kOptions{
    {"chkShowIcon", "1", "1"},
    {"chkShowLine", "1", "1"},
    {"chkThumbnail", "1", "1"},
    {"chkThumnailPosition", "0", "1"},
    {"chkShowFolderName", "1", "1"},
    {"chkFolderNamePosition", "0", "1"},
    {"chkFolderNameItalic", "0", "1"},
    {"chkShowDetail", "1", "1"},
    {"chkShowMsg", "1", "0"},
    {"chkFitImageWidth", "0", "1"},
    {"chkFitImageHeight", "0", "1"},
    {"chkReload", "0", "1"},
    {"cmbFolderNameSize", "16pt", "20pt"},
    {"cmbInfoSize", "10pt", "10pt"},
    {"cmbLinkSize", "10pt", "12pt"},
    {"lblColor(0)", "Black", "blue"},
    {"lblColor(1)", "Black", "darkblue"},
    {"lblColor(2)", "white", "lightblue"},
    {"lblColor(3)", "blue", "white"},
    {"chkSetLink(0)", "0", "1"},
    {"chkSetLink(1)", "0", "1"},
    {"txtLinkTitle(0)", "", "Temp Directory"},
    {"txtLink(0)", "", "file://c:\\temp"},
    {"txtLinkTitle(1)", "", "My Documents"},
    {"txtLink(1)", "", "file://c:\\My Documents"},
};

/// A control's value as the option model reads it.
QString value(QWidget* w) {
    if (auto* box = qobject_cast<QCheckBox*>(w))
        return box->checkState() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    return testing::shownCaption(w);
}

class FmainLayout : public ::testing::Test {
protected:
    /// The window on a system whose button face is a colour of its own.
    std::unique_ptr<Fmain> makeWindow() {
        platform.colours[platform::syscolor::BtnFace] = 0x00A0B0C0;
        return std::make_unique<Fmain>(platform, browsers.factory());
    }

    QWidget* control(const char* name) {
        const QList<QWidget*> found = window.findChildren<QWidget*>(QString::fromUtf8(name));
        return found.size() == 1 ? found.front() : nullptr;
    }
    QWidget* control(const ControlSpec& row) { return testing::controlOf(window, row.ref); }

    /// A point of the control's own background: on no control inside it, and not covered by
    /// another control of the window.
    std::optional<QPoint> ownSpot(QWidget* w) {
        for (int y = 0; y < w->height(); ++y) {
            for (int x = 0; x < w->width(); ++x) {
                const QPoint in(x, y);
                // QTest takes the null point for the widget's centre.
                if (in.isNull() || w->childAt(in))
                    continue;
                QWidget* top = window.childAt(w->mapTo(&window, in));
                if (top == (w == &window ? nullptr : w))
                    return in;
            }
        }
        return std::nullopt;
    }

    test::FakePlatform platform;
    test::FakeBrowserFactory browsers;
    std::unique_ptr<Fmain> owned = makeWindow();
    Fmain& window = *owned;
};

TEST_F(FmainLayout, EveryControlStandsInItsContainerAtItsPlaceWithItsCaptionAndFirstState) {
    // Loading gives the help line its first text.
    testing::expectBuiltAsDesigned(window, FmainForm(), {{}, {"lblMessage"}});
    EXPECT_EQ(window.lblMessage->text(), testing::qtext(fmain::kDropImagesText));
    // The link boxes stand on the system's own button face.
    for (const auto* box :
         {window.txtLink[0], window.txtLink[1], window.txtLinkTitle[0], window.txtLinkTitle[1]})
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(0xC0, 0xB0, 0xA0));
}

TEST_F(FmainLayout, CollapsedShowsTheRowsAboveFrame3AndExpandedShowsEverything) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumivane"));
    EXPECT_EQ(window.width(), testing::pixels(7215));
    EXPECT_EQ(window.outerHeight(), 3255);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    for (const ControlSpec& row : FmainForm().controls) {
        QWidget* w = control(row);
        ASSERT_NE(w, nullptr) << forms::fullName(row.ref);
        const bool inFrame3 = w != window.Frame3 && window.Frame3->isAncestorOf(w);
        EXPECT_EQ(w->isVisibleTo(&window),
                  !row.has(forms::Hidden) && !inFrame3 && w != window.Frame3)
            << forms::fullName(row.ref) << " collapsed";
    }

    QTest::mouseClick(window.cmdDetail, Qt::LeftButton);
    EXPECT_EQ(window.outerHeight(), 7050);
    for (const ControlSpec& row : FmainForm().controls) {
        QWidget* w = control(row);
        EXPECT_EQ(w->isVisibleTo(&window), !row.has(forms::Hidden) || w == window.Frame3)
            << forms::fullName(row.ref) << " expanded";
    }
}

TEST_F(FmainLayout, PointingAtEachControlPutsItsHelpTextOrNothing) {
    window.rules().cmdDetail_Click();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString quiet = QStringLiteral("(unchanged)");
    for (const ControlSpec& row : FmainForm().controls) {
        SCOPED_TRACE(forms::fullName(row.ref));
        QWidget* w = control(row);
        ASSERT_NE(w, nullptr);
        if (w->isHidden())
            continue;
        // A disabled control takes no pointer; "変更" speaks once the stock enables it.
        const bool wasEnabled = w->isEnabled();
        w->setEnabled(true);
        const std::optional<QPoint> spot = ownSpot(w);
        ASSERT_TRUE(spot.has_value()) << "no free point over it";
        window.setMessage(quiet);
        QTest::mouseMove(w, *spot);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.lblMessage->text(), row.help.empty() ? quiet : testing::qtext(row.help));
        w->setEnabled(wasEnabled);
    }
    // The window's own background.
    window.setMessage(quiet);
    const std::optional<QPoint> spot = ownSpot(&window);
    ASSERT_TRUE(spot.has_value());
    QTest::mouseMove(&window, *spot);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.lblMessage->text(), testing::qtext(FmainForm().help));
}

TEST_F(FmainLayout, SizeListsHoldTheThirtyOneSizesAndTheOptionsStartAsDesigned) {
    for (const char* name : {"cmbFolderNameSize", "cmbInfoSize", "cmbLinkSize"}) {
        auto* list = qobject_cast<QComboBox*>(control(name));
        ASSERT_NE(list, nullptr) << name;
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        EXPECT_EQ(items, kSizes) << name;
        EXPECT_FALSE(list->isEditable()) << name;
    }
    for (const Option& option : kOptions) {
        QWidget* w = control(option.control);
        ASSERT_NE(w, nullptr) << option.control;
        EXPECT_EQ(value(w), QString::fromUtf8(option.initial)) << option.control;
    }
}

TEST_F(FmainLayout, RecommendedPresetSetsEveryOptionToItsValue) {
    window.rules().cmdDetail_Click();
    window.show();
    QTest::mouseClick(window.cmdTovraMode, Qt::LeftButton);
    for (const Option& option : kOptions) {
        QWidget* w = control(option.control);
        ASSERT_NE(w, nullptr) << option.control;
        EXPECT_EQ(value(w), QString::fromUtf8(option.preset)) << option.control;
    }
}

} // namespace
} // namespace lumivane::app
