// The colour changer as designed: its controls, the sample window laid over its picture, the
// four targets with their help texts, one table row each, against the running window.
#include "app/qstring_print.h"
#include "appearance/fcolor.h"
#include "appearance/recording_platform.h"
#include "appearance/tile_strip.h"
#include "layout_table.h"
#include "windows/help_line.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace lumivane {
namespace {

using testing::pixelsOf;
using testing::Place;

/// One control. A place without size is a caption that takes the size of its text.
struct Control {
    const char* name;
    const char* container;
    Place place;
    bool sized; ///< whether the place gives a size
    const char* caption;
    bool bordered;
};

const std::vector<Control> kControls{
    {"Label1", "Fcolor", {60, 120, 0, 0}, false, "R", false},
    {"hsRed", "Fcolor", {300, 60, 2475, 255}, true, "", false},
    {"Label2", "Fcolor", {60, 420, 0, 0}, false, "G", false},
    {"hsGreen", "Fcolor", {300, 360, 2475, 255}, true, "", false},
    {"Label3", "Fcolor", {60, 720, 0, 0}, false, "B", false},
    {"hsBlue", "Fcolor", {300, 660, 2475, 255}, true, "", false},
    {"picSample", "Fcolor", {2820, 60, 915, 855}, true, "", true},
    {"cmbTarget", "Fcolor", {0, 960, 1755, 300}, true, "ウインドウの背景", false},
    {"cmdBack", "Fcolor", {1800, 990, 615, 255}, true, "戻す", false},
    {"cmdCansel", "Fcolor", {2460, 990, 615, 255}, true, "中止", false},
    {"cmdChange", "Fcolor", {3120, 990, 615, 255}, true, "変更", false},
    {"picExample", "Fcolor", {0, 1320, 3735, 2525}, true, "", false},
    {"lblMessage",
     "Fcolor",
     {0, 3840, 3735, 615},
     true,
     "ウインドウの背景の色を設定できます。チェックボックスやラジオボタンなどの色も同時に変化して"
     "しまうので気をつけてください。",
     true},

    {"Picture1", "picExample", {100, 382, 3855, 755}, true, "", false},
    {"PToolBarBackImage(0)", "Picture1", {0, 0, 0, 0}, false, "", false},
    {"Image1", "Picture1", {30, 30, 45, 330}, true, "", false},
    {"Image2", "Picture1", {30, 450, 45, 270}, true, "", false},
    {"Image3", "Picture1", {0, 390, 3900, 30}, true, "", false},
    {"lblMenuString(0)", "Picture1", {240, 110, 0, 0}, false, "ファイル(&F)", false},
    {"lblMenuString(1)", "Picture1", {1380, 110, 0, 0}, false, "編集(&E)", false},
    {"lblMenuString(2)", "Picture1", {2250, 110, 0, 0}, false, "表示(&V)", false},
    {"lblMenuString(3)", "Picture1", {3120, 110, 0, 0}, false, "移動(&G)", false},
    {"lblButtonString", "Picture1", {130, 500, 0, 0}, false, "アドレス(&D)", false},
    {"lblAddress", "Picture1", {1080, 440, 2580, 295}, true, "  C:\\Temp", true},
    {"lblWindowBack", "picExample", {2325, 1230, 1380, 1305}, true, "", false},
    {"imgIcon", "picExample", {2640, 1440, 480, 480}, true, "", false},
    {"lblIconString", "picExample", {2580, 1980, 0, 0}, false, "lumi.exe", false},
};

/// The four targets in list order: item, system colour index, registry value, help text, and
/// the sample's parts that show the colour.
struct Target {
    const char* item;
    int sysColor;
    const char* valueName;
    const char* help;
    std::vector<std::pair<const char*, QPalette::ColorRole>> shownBy;
};

const std::vector<Target> kTargets{
    {"ウインドウの背景",
     5,
     "Window",
     "ウインドウの背景の色を設定できます。チェックボックスやラジオボタンなどの色も同時に変化して"
     "しまうので気をつけてください。",
     {{"lblWindowBack", QPalette::Window}, {"lblAddress", QPalette::Window}}},
    {"ウインドウの文字",
     8,
     "WindowText",
     "ウインドウ内の文字の色を設定できます。アドレスバー内の文字の色も同時に変化します。",
     {{"lblIconString", QPalette::WindowText}, {"lblAddress", QPalette::WindowText}}},
    {"メニューの文字",
     7,
     "MenuText",
     "メニューバー内の文字の色を設定できます。",
     {{"lblMenuString(0)", QPalette::WindowText},
      {"lblMenuString(1)", QPalette::WindowText},
      {"lblMenuString(2)", QPalette::WindowText},
      {"lblMenuString(3)", QPalette::WindowText}}},
    {"ボタンの文字",
     18,
     "ButtonText",
     "アドレスバーの「アドレス」の文字色を設定できます。表示されるボタン全ての文字色が変化して"
     "しまうので注意してください。",
     {{"lblButtonString", QPalette::WindowText}}},
};

/// A caption as designed: an access letter, drawn underlined, is written after "&".
QString designedCaption(QWidget* w) {
    if (auto* line = qobject_cast<windows::HelpLine*>(w))
        return line->text();
    if (auto* list = qobject_cast<QComboBox*>(w))
        return list->currentText();
    if (auto* button = qobject_cast<QPushButton*>(w))
        return button->text();
    auto* label = qobject_cast<QLabel*>(w);
    if (!label)
        return {};
    QString text = label->text();
    if (!text.contains(QStringLiteral("<u>")))
        return text;
    text.replace(QStringLiteral("<u>"), QStringLiteral("&amp;")).remove(QStringLiteral("</u>"));
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

bool bordered(QWidget* w) {
    auto* frame = qobject_cast<QFrame*>(w);
    return frame && frame->frameShape() != QFrame::NoFrame;
}

class FcolorLayout : public ::testing::Test {
protected:
    FcolorLayout() {
        platform.colors = {{5, 0x00FFFFFF}, {8, 0}, {7, 0x00102030}, {18, 0x0000FF00}, {15, 0}};
        owner.show();
        form = std::make_unique<Fcolor>(platform, &owner);
    }
    QWidget* control(const char* name) {
        const QList<QWidget*> found = form->findChildren<QWidget*>(QString::fromUtf8(name));
        return found.size() == 1 ? found.front() : nullptr;
    }

    testing::RecordingPlatform platform;
    QWidget owner;
    std::unique_ptr<Fcolor> form;
};

TEST_F(FcolorLayout, EveryControlStandsInItsContainerAtItsPlaceWithItsCaption) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("色チェンジ"));
    EXPECT_EQ(form->size(), pixelsOf(Place{0, 0, 3735, 4500}).size());
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(form->isModal());
    for (const Control& row : kControls) {
        SCOPED_TRACE(row.name);
        QWidget* w = control(row.name);
        ASSERT_NE(w, nullptr) << "no control of that name";
        EXPECT_EQ(testing::containerOf(w), QString::fromUtf8(row.container));
        if (row.sized) {
            EXPECT_EQ(w->geometry(), pixelsOf(row.place));
        } else {
            EXPECT_EQ(w->pos(), pixelsOf(row.place.left, row.place.top));
        }
        EXPECT_EQ(designedCaption(w), QString::fromUtf8(row.caption));
        EXPECT_EQ(bordered(w), row.bordered);
        EXPECT_FALSE(w->isHidden());
    }
    for (const char* name : {"hsRed", "hsGreen", "hsBlue"}) {
        auto* bar = qobject_cast<QScrollBar*>(control(name));
        ASSERT_NE(bar, nullptr) << name;
        EXPECT_EQ(bar->orientation(), Qt::Horizontal) << name;
        EXPECT_EQ(bar->minimum(), 0) << name;
        EXPECT_EQ(bar->maximum(), 255) << name;
    }
}

TEST_F(FcolorLayout, EachTargetHasItsItemColourValueHelpTextAndSampleParts) {
    auto* list = qobject_cast<QComboBox*>(control("cmbTarget"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), int(kTargets.size()));
    EXPECT_FALSE(list->isEditable());
    const std::vector<std::uint32_t> colours{0x00112233, 0x00445566, 0x00778899, 0x00AABBCC};
    for (int i = 0; i < list->count(); ++i) {
        const Target& target = kTargets[std::size_t(i)];
        SCOPED_TRACE(target.item);
        EXPECT_EQ(list->itemText(i), QString::fromUtf8(target.item));
        EXPECT_EQ(list->itemData(i).toInt(), target.sysColor);
        list->setCurrentIndex(i);
        EXPECT_EQ(form->lblMessage->text(), QString::fromUtf8(target.help));
        const std::uint32_t c = colours[std::size_t(i)];
        form->hsRed->setValue(int(c & 255));
        form->hsGreen->setValue(int((c >> 8) & 255));
        form->hsBlue->setValue(int((c >> 16) & 255));
        const QColor expected(int(c & 255), int((c >> 8) & 255), int((c >> 16) & 255));
        for (const auto& [name, role] : target.shownBy) {
            ASSERT_NE(control(name), nullptr) << name;
            EXPECT_EQ(control(name)->palette().color(role), expected) << name;
        }
    }
    QTest::mouseClick(form->cmdChange, Qt::LeftButton);
    for (std::size_t i = 0; i < kTargets.size(); ++i) {
        const std::uint32_t c = colours[i];
        const std::string text = std::to_string(c & 255) + " " + std::to_string((c >> 8) & 255) +
                                 " " + std::to_string((c >> 16) & 255);
        EXPECT_EQ(platform.regGetString(platform::RootKey::CurrentUser, "Control Panel\\Colors",
                                        kTargets[i].valueName),
                  text)
            << kTargets[i].valueName;
        EXPECT_EQ(platform.sysColor(kTargets[i].sysColor), c) << kTargets[i].valueName;
    }
}

} // namespace
} // namespace lumivane
