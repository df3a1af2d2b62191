// "変更" and "復元" in the main window with every file operation failing in turn: the template
// is the old or the new one whole, the backup is never overwritten, the help line says what
// failed, the progress window is gone and the three buttons can be pressed again.
#include "app/qt/fmain.h"
#include "stock/strip_fixture.h"
#include "support/emulated_root.h"
#include "support/faulty_platform.h"
#include "template/template_text.h"
#include "windows/qt/fgraph.h"
#include "windows/qt/help_line.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using lumivane::testing::EmulatedRoot;
using lumivane::testing::FaultyPlatform;
using lumivane::testing::StripFixture;

const QString kReason = QStringLiteral("テスト用の障害です");

struct Scenario {
    bool appliedBefore;
    bool restore;
};

/// A temporary system with the main window on a fault-injecting platform, three pictures
/// dropped and, for `appliedBefore`, one apply made with other options.
class Road {
public:
    explicit Road(bool appliedBefore) {
        window.show();
        EXPECT_TRUE(platform.folderExists("C:\\WINDOWS\\Web"));
        standard = EmulatedRoot::read(sys.web() / "folder.htt");
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            QImage image(10 + i, 10, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 90, 200, 200));
            files << QString::fromStdString(
                (sys.outside() / (std::to_string(i) + ".bmp")).string());
            image.save(files.last(), "BMP");
        }
        EXPECT_TRUE(StripFixture::drop(window.Frame1, StripFixture::filesData(files).get()));
        EXPECT_EQ(window.imageCount(), 3);
        if (appliedBefore) {
            QTest::mouseClick(window.cmdMake, Qt::LeftButton);
            window.chkShowLine->toggle(); // the next page differs from this one
        }
    }

    std::string expectedTemplate(bool restore) {
        lumivane::TemplateInput input;
        input.restore = restore;
        input.options = window.options();
        input.imageCount = 3;
        input.scriptFolder = "C:\\\\WINDOWS\\\\Web\\\\leftimage\\\\";
        input.programFolder = platform.programFolder();
        return lumivane::templateBytes(input);
    }

    void press(bool restore) {
        QTest::mouseClick(restore ? window.cmdReturn : window.cmdMake, Qt::LeftButton);
        QCoreApplication::processEvents(); // the progress window's deferred deletion
    }

    static bool progressWindowOpen() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<lumivane::windows::Fgraph*>(top) && top->isVisible())
                return true;
        return false;
    }
    bool buttonsEnabled() const {
        return window.cmdMake->isEnabled() && window.cmdReturn->isEnabled() &&
               window.cmdAbout->isEnabled();
    }
    std::string read(const std::string& relative) const {
        return EmulatedRoot::read(sys.web() / relative);
    }

    EmulatedRoot sys;
    lumivane::platform::EmulatedPlatform platform{sys.root(), lumivane::standardTemplateBytes()};
    FaultyPlatform faulty{platform};
    lumivane::app::Fmain window{faulty};
    std::string standard;
};

/// The target path a fault is matched against, from a recorded call.
std::pair<FaultyPlatform::Op, std::string> parse(const std::string& call) {
    const std::string rest = call.substr(call.find(' ') + 1);
    if (call.starts_with("createFolder"))
        return {FaultyPlatform::Op::CreateFolder, rest};
    if (call.starts_with("copyFile"))
        return {FaultyPlatform::Op::CopyFile, rest.substr(rest.find(" -> ") + 4)};
    return {FaultyPlatform::Op::ReplaceFile, rest};
}

class EveryOperationFailsInTheWindow : public ::testing::TestWithParam<Scenario> {};

TEST_P(EveryOperationFailsInTheWindow, WindowRecoversAndFilesStayWhole) {
    const Scenario scenario = GetParam();
    std::vector<std::string> calls;
    size_t first = 0;
    {
        Road reference(scenario.appliedBefore);
        first = reference.faulty.calls().size();
        reference.press(scenario.restore);
        calls = reference.faulty.calls();
        ASSERT_TRUE(reference.read("folder.htt") == reference.expectedTemplate(scenario.restore));
    }
    ASSERT_GT(calls.size(), first);
    size_t templateCall = 0;
    for (size_t i = first; i < calls.size(); ++i)
        if (calls[i].starts_with("replaceFile"))
            templateCall = i;

    for (size_t failing = first; failing < calls.size(); ++failing) {
        SCOPED_TRACE("failing: " + calls[failing]);
        Road road(scenario.appliedBefore);
        const std::string oldTemplate = road.read("folder.htt");
        const bool hadBackup = fs::exists(road.sys.web() / "folder.lmv");
        const auto [op, target] = parse(calls[failing]);
        int passing = 0;
        for (size_t i = first; i < failing; ++i) { // the faults count from the press on
            const auto [earlierOp, earlierTarget] = parse(calls[i]);
            passing += earlierOp == op && earlierTarget.find(target) != std::string::npos;
        }
        road.faulty.failOn(op, target, kReason.toStdString(), passing);
        road.window.lblMessage->setText(QStringLiteral("before"));

        road.press(scenario.restore);

        EXPECT_TRUE(road.window.lblMessage->text().contains(kReason))
            << road.window.lblMessage->text().toStdString();
        EXPECT_FALSE(Road::progressWindowOpen());
        EXPECT_TRUE(road.buttonsEnabled());
        const std::string now = road.read("folder.htt");
        if (failing > templateCall)
            EXPECT_TRUE(now == road.expectedTemplate(scenario.restore)) << "the new template";
        else
            EXPECT_TRUE(now == oldTemplate) << "the old template";
        if (hadBackup || fs::exists(road.sys.web() / "folder.lmv")) {
            EXPECT_TRUE(road.read("folder.lmv") == road.standard) << "the first template";
        }

        // Pressed again without the fault, the button does its whole work.
        road.faulty.clearFaults();
        road.press(scenario.restore);
        EXPECT_TRUE(road.read("folder.htt") == road.expectedTemplate(scenario.restore));
        EXPECT_TRUE(road.read("folder.lmv") == road.standard);
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, EveryOperationFailsInTheWindow,
                         ::testing::Values(Scenario{false, false}, Scenario{true, false},
                                           Scenario{false, true}, Scenario{true, true}),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                             return std::string(info.param.appliedBefore ? "AppliedBefore"
                                                                         : "Fresh") +
                                    (info.param.restore ? "Restore" : "Apply");
                         });

} // namespace
