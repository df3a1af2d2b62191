// The colour changer as designed: every control of its form, the sample window laid over its
// picture, the four targets with their help texts, against the running window.
#include "app/qstring_print.h"
#include "appearance/fcolor_form.h"
#include "appearance/qt/fcolor.h"
#include "appearance/qt/tile_strip.h"
#include "appearance/recording_platform.h"
#include "form_check.h"
#include "windows/qt/help_line.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace lumivane {
namespace {

using testing::pixelsOf;

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
    EXPECT_EQ(form->size(), pixelsOf(FcolorForm().client).size());
    EXPECT_TRUE(form->isModal());
    // Opening selects the first target, whose help text then shows.
    testing::expectBuiltAsDesigned(*form, FcolorForm(), {{}, {"lblMessage"}});
    EXPECT_EQ(form->cmbTarget->currentText(), QStringLiteral("ウインドウの背景"));
    EXPECT_EQ(form->lblMessage->text(), QString::fromUtf8(kTargets[0].help));
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
