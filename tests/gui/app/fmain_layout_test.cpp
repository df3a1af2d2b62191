// The main window as designed: every control's container, place, caption, first state and
// help text, the size lists and the preset, one table row each, against the running window.
#include "app/fmain.h"
#include "appearance/toolbar_strip.h"
#include "fake_browser.h"
#include "fake_platform.h"
#include "layout_table.h"
#include "qstring_print.h"
#include "windows/help_line.h"

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

enum class Kind {
    Frame,
    Image,
    ScrollBar,
    CheckBox,
    Label,
    Button,
    List,
    DropDownList,
    TextBox,
    PictureBox,
    HelpLine,
    Tiles
};

// First states; a control without them is visible, enabled and unchecked.
constexpr unsigned Hidden = 1; ///< hidden by design, visible when its container shows
constexpr unsigned Disabled = 2;
constexpr unsigned Checked = 4;
constexpr unsigned Bordered = 8;    ///< a single-line border
constexpr unsigned ButtonFace = 16; ///< on the system's button-face colour

using testing::pixelsOf;
using testing::Place;

/// One control as designed. `help` is what pointing at it puts on the help line: nullptr
/// when it changes nothing.
struct Control {
    const char* name;
    const char* container;
    Kind kind;
    std::optional<Place> place; ///< in twips; none where the control covers its container
    const char* caption;
    unsigned state;
    const char* help;
};

// Directly on the window, then inside Frame3, then inside Frame4.
const std::vector<Control> kControls{
    {"Frame2", "Fmain", Kind::Frame, Place{0, 60, 7215, 1575}, "サムネイル", 0,
     "イメージファイルをドロップしてください。"},
    {"thumnail(0)", "Frame2", Kind::Image, Place{180, 240, 915, 855}, "", Hidden, nullptr},
    {"ListScroll", "Fmain", Kind::ScrollBar, Place{60, 1320, 7095, 255}, "", 0, nullptr},
    {"Frame1", "Fmain", Kind::Frame, Place{0, 1680, 1155, 1155}, "ドロップ！！", 0,
     "ここにファイルをドロップしてください。"},
    {"chkShowMsg", "Fmain", Kind::CheckBox, Place{1200, 1680, 4755, 195},
     "「アイコンを選択すると、その説明が表示されます」を表示", Checked,
     "フォルダを開いたとき、またはフォルダ内のアイコンを非選択のときに表示されるメッセージ"},
    {"chkFitImageWidth", "Fmain", Kind::CheckBox, Place{1200, 1920, 4755, 195},
     "背景画像の横幅を常に100%にする", 0, "画像の幅をフォルダの左の枠に合わせる"},
    {"chkFitImageHeight", "Fmain", Kind::CheckBox, Place{1200, 2160, 4755, 195},
     "背景画像の高さを常に100%にする", 0, "画像の高さをフォルダの左の枠に合わせる"},
    {"chkReload", "Fmain", Kind::CheckBox, Place{4440, 2160, 1515, 195}, "クリック再描画", 0,
     "画像をクリックすると画像を再表示します"},
    {"lblMessage", "Fmain", Kind::HelpLine, Place{1380, 2400, 4575, 435},
     "イメージファイルをドロップしてください。", Bordered, nullptr},
    {"cmdAbout", "Fmain", Kind::Button, Place{6060, 1800, 1155, 315}, "あばうと", 0,
     "Lumivaneについて。。。"},
    {"cmdMake", "Fmain", Kind::Button, Place{6060, 2160, 735, 315}, "変更", Disabled,
     "設定を反映させます。"},
    {"cmdReturn", "Fmain", Kind::Button, Place{6060, 2520, 735, 315}, "復元", 0,
     "デフォルトに復元します。"},
    {"cmdDetail", "Fmain", Kind::Button, Place{6840, 2160, 375, 675}, "詳細", 0,
     "細かい設定をします。"},
    {"lstImagePath", "Fmain", Kind::List, Place{8220, 4620, 3975, 2760}, "", Hidden, nullptr},
    {"Frame3", "Fmain", Kind::Frame, Place{0, 2880, 7215, 3795}, "詳細設定", Hidden,
     "最後に「変更」を押すと設定が反映されます。復元を押すとウインドウズの初期設定に復元されます"
     "。"},

    {"chkShowIcon", "Frame3", Kind::CheckBox, Place{180, 240, 2175, 195}, "左上のアイコンを表示",
     Checked, "フォルダを開いたとき、左上に表示されるアイコン"},
    {"chkShowLine", "Frame3", Kind::CheckBox, Place{180, 480, 2115, 195}, "左上の境界線を表示",
     Checked,
     "フォルダを開いたとき、左上に表示されるアイコンと、ファイルの詳細との間に表示される境界線"},
    {"chkThumbnail", "Frame3", Kind::CheckBox, Place{180, 720, 2115, 195}, "サムネイルの表示",
     Checked, "プレビュースクリーンの表示"},
    {"chkThumnailPosition", "Frame3", Kind::CheckBox, Place{180, 960, 2955, 195},
     "サムネイルを常に左下に表示", 0, "プレビュースクリーンをウィンドのもっとも左下に表示"},
    {"chkShowFolderName", "Frame3", Kind::CheckBox, Place{3240, 240, 1695, 195}, "フォルダ名を表示",
     Checked, "フォルダを開いたとき、左上に表示されるフォルダ名"},
    {"chkFolderNamePosition", "Frame3", Kind::CheckBox, Place{3240, 480, 2835, 195},
     "フォルダ名をアイコンの横に表示", 0, "フォルダ名をアイコンの横に表示する"},
    {"chkFolderNameItalic", "Frame3", Kind::CheckBox, Place{3240, 720, 2475, 195},
     "フォルダ名をイタリックにする", 0, "フォルダ名をイタリックで表示する"},
    {"chkShowDetail", "Frame3", Kind::CheckBox, Place{3240, 960, 1815, 195}, "詳細情報を表示",
     Checked, "フォルダ内のファイルを選択したときに表示されるファイルの詳細情報"},
    {"cmdTovraMode", "Frame3", Kind::Button, Place{6420, 180, 735, 375}, "お勧め", 0,
     "作者のお勧めの設定にします。"},
    {"cmdSetColors", "Frame3", Kind::Button, Place{6420, 600, 735, 375}, "色設定", 0, nullptr},
    {"Label1", "Frame3", Kind::Label, Place{180, 1320, 2010, 180}, "フォルダ名の文字の大きさ", 0,
     "フォルダ名の文字の大きさを設定"},
    {"cmbFolderNameSize", "Frame3", Kind::DropDownList, Place{2280, 1260, 1215, 300}, "16pt", 0,
     nullptr},
    {"Label2", "Frame3", Kind::Label, Place{180, 1680, 2010, 180}, "詳細情報の文字の大きさ", 0,
     "ファイル詳細情報の文字の大きさを設定"},
    {"cmbInfoSize", "Frame3", Kind::DropDownList, Place{2280, 1620, 1215, 300}, "10pt", 0, nullptr},
    {"Label4", "Frame3", Kind::Label, Place{3780, 1260, 1185, 180}, "フォルダ名の色", 0, nullptr},
    {"lblColor(0)", "Frame3", Kind::Label, Place{5100, 1200, 1755, 240}, "Black", Bordered,
     "ボタンをクリックで、フォルダ名の色を設定"},
    {"cmdSetLink(0)", "Frame3", Kind::Button, Place{6840, 1200, 195, 255}, "", 0,
     "フォルダ名の色を設定"},
    {"Label5(0)", "Frame3", Kind::Label, Place{3780, 1500, 1185, 180}, "詳細情報の色", 0, nullptr},
    {"lblColor(1)", "Frame3", Kind::Label, Place{5100, 1440, 1755, 240}, "Black", Bordered,
     "ボタンをクリックで、詳細情報のの色を設定 "},
    {"cmdSetLink(1)", "Frame3", Kind::Button, Place{6840, 1440, 195, 255}, "", 0,
     "詳細情報のの色を設定"},
    {"Label5(1)", "Frame3", Kind::Label, Place{3780, 1740, 1185, 180}, "背景の色", 0, nullptr},
    {"lblColor(2)", "Frame3", Kind::Label, Place{5100, 1680, 1755, 240}, "white", Bordered,
     "ボタンをクリックで、背景の色を設定"},
    {"cmdSetLink(2)", "Frame3", Kind::Button, Place{6840, 1680, 195, 255}, "", 0, "背景の色を設定"},
    {"Frame4", "Frame3", Kind::Frame, Place{60, 1980, 7095, 1215}, "リンクを張る", 0,
     "左のフレームにリンクを設定"},
    {"Label7", "Frame3", Kind::Label, Place{120, 3300, 1770, 180}, "ツールバーの背景画像", 0,
     nullptr},
    {"Picture1", "Frame3", Kind::PictureBox, Place{1980, 3240, 5175, 495}, "", 0, nullptr},
    {"PToolBarBackImage(0)", "Picture1", Kind::Tiles, std::nullopt, "", 0,
     "BMPファイルをドロップすると、ツールバーの背景画像を設定できます。"
     "ダブルクリックで背景画像をクリアします。"},

    {"chkSetLink(0)", "Frame4", Kind::CheckBox, Place{240, 240, 435, 255}, "1", 0, nullptr},
    {"Label6(0)", "Frame4", Kind::Label, Place{660, 300, 345, 180}, "Title", 0, nullptr},
    {"txtLinkTitle(0)", "Frame4", Kind::TextBox, Place{1080, 240, 1815, 255}, "",
     Disabled | ButtonFace, nullptr},
    {"Label6(1)", "Frame4", Kind::Label, Place{3000, 300, 330, 180}, "URL", 0, nullptr},
    {"txtLink(0)", "Frame4", Kind::TextBox, Place{3420, 240, 3555, 270}, "", Disabled | ButtonFace,
     nullptr},
    {"chkSetLink(1)", "Frame4", Kind::CheckBox, Place{240, 540, 435, 255}, "2", 0, nullptr},
    {"Label6(2)", "Frame4", Kind::Label, Place{660, 600, 345, 180}, "Title", 0, nullptr},
    {"txtLinkTitle(1)", "Frame4", Kind::TextBox, Place{1080, 540, 1815, 270}, "",
     Disabled | ButtonFace, nullptr},
    {"Label6(3)", "Frame4", Kind::Label, Place{3000, 600, 330, 180}, "URL", 0, nullptr},
    {"txtLink(1)", "Frame4", Kind::TextBox, Place{3420, 540, 3555, 270}, "", Disabled | ButtonFace,
     nullptr},
    {"Label3", "Frame4", Kind::Label, Place{180, 900, 2010, 180}, "詳細情報の文字の大きさ", 0,
     nullptr},
    {"cmbLinkSize", "Frame4", Kind::DropDownList, Place{2220, 840, 1215, 300}, "10pt", 0, nullptr},
    {"Label5(2)", "Frame4", Kind::Label, Place{4440, 930, 540, 180}, "文字色", 0, nullptr},
    {"lblColor(3)", "Frame4", Kind::Label, Place{5040, 900, 1755, 240}, "blue", Bordered,
     "ボタンをクリックで、リンクの色を設定"},
    {"cmdSetLink(3)", "Frame4", Kind::Button, Place{6780, 900, 195, 255}, "", 0,
     "リンクの色を設定"},
};

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

/// Whether the widget is of the kind the table names.
bool isKind(QWidget* w, Kind kind) {
    switch (kind) {
    case Kind::Frame:
        return qobject_cast<QGroupBox*>(w);
    case Kind::Image:
    case Kind::Label:
        return qobject_cast<QLabel*>(w);
    case Kind::ScrollBar:
        return qobject_cast<QScrollBar*>(w) &&
               static_cast<QScrollBar*>(w)->orientation() == Qt::Horizontal;
    case Kind::CheckBox:
        return qobject_cast<QCheckBox*>(w);
    case Kind::Button:
        return qobject_cast<QPushButton*>(w);
    case Kind::List:
        return qobject_cast<QListWidget*>(w);
    case Kind::DropDownList:
        return qobject_cast<QComboBox*>(w) && !static_cast<QComboBox*>(w)->isEditable();
    case Kind::TextBox:
        return qobject_cast<QLineEdit*>(w);
    case Kind::PictureBox:
        return qobject_cast<QFrame*>(w) && static_cast<QFrame*>(w)->frameShape() == QFrame::Panel;
    case Kind::Tiles:
        return qobject_cast<ToolbarStrip*>(w);
    case Kind::HelpLine:
        return qobject_cast<windows::HelpLine*>(w);
    }
    return false;
}

/// The text a control shows, or its value as the option model reads it.
QString shown(QWidget* w) {
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return frame->title();
    if (auto* box = qobject_cast<QCheckBox*>(w))
        return box->text();
    if (auto* button = qobject_cast<QPushButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* list = qobject_cast<QComboBox*>(w))
        return list->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* line = qobject_cast<windows::HelpLine*>(w))
        return line->text();
    return {};
}

QString value(QWidget* w) {
    if (auto* box = qobject_cast<QCheckBox*>(w))
        return box->checkState() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    return shown(w);
}

bool bordered(QWidget* w) {
    auto* frame = qobject_cast<QFrame*>(w);
    return frame && frame->frameShape() == QFrame::Box && frame->lineWidth() == 1;
}

class FmainLayout : public ::testing::Test {
protected:
    /// The window on a system whose button face is a colour of its own.
    std::unique_ptr<Fmain> makeWindow() {
        platform.colours[platform::syscolor::BtnFace] = 0x00A0B0C0;
        return std::make_unique<Fmain>(platform, browsers.factory());
    }

    QWidget* control(const char* name) {
        if (name == std::string_view("Fmain"))
            return &window;
        const QList<QWidget*> found = window.findChildren<QWidget*>(QString::fromUtf8(name));
        return found.size() == 1 ? found.front() : nullptr;
    }

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
    for (const Control& row : kControls) {
        SCOPED_TRACE(row.name);
        QWidget* w = control(row.name);
        ASSERT_NE(w, nullptr) << "no control of that name";
        EXPECT_TRUE(isKind(w, row.kind));
        EXPECT_EQ(testing::containerOf(w), QString::fromUtf8(row.container));
        if (row.place) {
            EXPECT_EQ(w->geometry(), pixelsOf(*row.place));
        } else {
            EXPECT_EQ(w->geometry(), w->parentWidget()->contentsRect());
        }
        EXPECT_EQ(shown(w), QString::fromUtf8(row.caption));
        EXPECT_EQ(w->isHidden(), bool(row.state & Hidden));
        EXPECT_EQ(w->isEnabled(), !(row.state & Disabled));
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            EXPECT_EQ(box->checkState(), row.state & Checked ? Qt::Checked : Qt::Unchecked);
        }
        if (row.kind == Kind::Label || row.kind == Kind::HelpLine) {
            EXPECT_EQ(bordered(w), bool(row.state & Bordered));
        }
        if (row.kind == Kind::TextBox) {
            EXPECT_EQ(w->palette().color(QPalette::Base) == QColor(0xC0, 0xB0, 0xA0),
                      bool(row.state & ButtonFace));
        }
    }
    // Every control of the window is in the table, apart from the tiles' inner workings.
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const std::string name = w->objectName().toStdString();
        const bool listed = std::any_of(kControls.begin(), kControls.end(),
                                        [&](const Control& row) { return name == row.name; });
        if (!name.empty() && !name.starts_with("qt_")) {
            EXPECT_TRUE(listed) << name << " is not in the table";
        }
    }
}

TEST_F(FmainLayout, CollapsedShowsTheRowsAboveFrame3AndExpandedShowsEverything) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumivane"));
    EXPECT_EQ(window.width(), pixelsOf(Place{0, 0, 7215, 0}).width());
    EXPECT_EQ(window.outerHeight(), 3255);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    for (const Control& row : kControls) {
        QWidget* w = control(row.name);
        ASSERT_NE(w, nullptr) << row.name;
        const bool inFrame3 = w != window.Frame3 && window.Frame3->isAncestorOf(w);
        EXPECT_EQ(w->isVisibleTo(&window), !(row.state & Hidden) && !inFrame3 && w != window.Frame3)
            << row.name << " collapsed";
    }

    QTest::mouseClick(window.cmdDetail, Qt::LeftButton);
    EXPECT_EQ(window.outerHeight(), 7050);
    for (const Control& row : kControls) {
        QWidget* w = control(row.name);
        EXPECT_EQ(w->isVisibleTo(&window), !(row.state & Hidden) || w == window.Frame3)
            << row.name << " expanded";
    }
}

TEST_F(FmainLayout, PointingAtEachControlPutsItsHelpTextOrNothing) {
    window.cmdDetail_Click();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString quiet = QStringLiteral("(unchanged)");
    for (const Control& row : kControls) {
        SCOPED_TRACE(row.name);
        QWidget* w = control(row.name);
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
        EXPECT_EQ(window.lblMessage->text(), row.help ? QString::fromUtf8(row.help) : quiet);
        w->setEnabled(wasEnabled);
    }
    // The window's own background.
    window.setMessage(quiet);
    const std::optional<QPoint> spot = ownSpot(&window);
    ASSERT_TRUE(spot.has_value());
    QTest::mouseMove(&window, *spot);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.lblMessage->text(),
              QStringLiteral("イメージファイルをドロップしてください。"));
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
    window.cmdDetail_Click();
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
