// Files dropped from the shell reach the drop target's handler in drop order; a drag source
// dragged and let go over a control raises DragDrop there.
#include "platform/win32/wide.h"
#include "shell_drop.h"
#include "test_form.h"
#include "windows/win32/drop.h"
#include "windows/win32/form.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumivane::win32::testing {
namespace {

const std::vector<std::string> kPaths = {"C:\\写真\\夏 の 海.jpg", "Z:\\home\\me\\b.GIF",
                                         "C:\\a.bmp"};

TEST(ShellDrop, GivesThePathsInDropOrder) {
    const HDROP drop = shellDrop(kPaths);
    EXPECT_EQ(droppedFiles(drop), kPaths);
    DragFinish(drop);
}

TEST(ShellDrop, ReachesTheDropTargetsHandler) {
    Form form(kForm);
    std::vector<std::vector<std::string>> drops;
    EXPECT_FALSE(GetWindowLongW(form.hwnd({"Frame1"}), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    form.onFilesDropped(ControlRef{"Frame1"},
                        [&](const std::vector<std::string>& files) { drops.push_back(files); });
    // A handler makes the control, and only it, a target for the shell's drops.
    EXPECT_TRUE(GetWindowLongW(form.hwnd({"Frame1"}), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_FALSE(GetWindowLongW(form.hwnd({"picBox"}), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_FALSE(GetWindowLongW(form.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    SendMessageW(form.hwnd({"Frame1"}), WM_DROPFILES, reinterpret_cast<WPARAM>(shellDrop(kPaths)),
                 0);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0], kPaths);
    SendMessageW(form.hwnd({"Frame1"}), WM_DROPFILES, reinterpret_cast<WPARAM>(shellDrop({})), 0);
    ASSERT_EQ(drops.size(), 2u);
    EXPECT_TRUE(drops[1].empty()) << "a drop without files arrives empty";
}

TEST(ShellDrop, AClosedGateRefusesTheDrop) {
    Form form(kForm);
    int drops = 0;
    bool open = false;
    form.onFilesDropped(ControlRef{"Frame1"}, [&](const std::vector<std::string>&) { ++drops; });
    form.setDropGate(ControlRef{"Frame1"}, [&] { return open; });
    SendMessageW(form.hwnd({"Frame1"}), WM_DROPFILES, reinterpret_cast<WPARAM>(shellDrop(kPaths)),
                 0);
    EXPECT_EQ(drops, 0);
    open = true;
    SendMessageW(form.hwnd({"Frame1"}), WM_DROPFILES, reinterpret_cast<WPARAM>(shellDrop(kPaths)),
                 0);
    EXPECT_EQ(drops, 1);
}

class DragWithinTheWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form.onDragDrop(ControlRef{"lblColor", 1}, ControlArray{"thumb"},
                        [&](int index) { drops.push_back(index); });
        form.setDropGate(ControlRef{"lblColor", 1}, [&] { return gateOpen; });
        form.setVisible({"thumb", 0}, true);
        form.load({"thumb", 1});
        form.move({"thumb", 1}, {1380, 780, 915, 600});
        form.setVisible({"thumb", 1}, true);
        form.show();
    }

    /// Presses on a thumbnail, moves the pointer to a point of `target` (in its client
    /// coordinates) and lets go there, as the user's mouse would report it to the source.
    void dragTo(ControlRef sourceRef, HWND target, int x, int y) {
        const HWND source = form.hwnd(sourceRef);
        SendMessageW(source, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        POINT point{x, y};
        ClientToScreen(target, &point);
        ScreenToClient(source, &point);
        SendMessageW(source, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        SendMessageW(source, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }

    Form form{kForm};
    std::vector<int> drops;
    bool gateOpen = true;
};

TEST_F(DragWithinTheWindow, LettingGoOverTheTargetReportsTheDraggedElement) {
    dragTo({"thumb", 1}, form.hwnd({"lblColor", 1}), 20, 6);
    EXPECT_EQ(drops, std::vector<int>{1});
    EXPECT_FALSE(form.dragging());
    EXPECT_EQ(GetCapture(), nullptr) << "the mouse is given back";
}

TEST_F(DragWithinTheWindow, ElsewhereOrOntoItselfNothingHappens) {
    dragTo({"thumb", 0}, form.hwnd({"thumb", 0}), 5, 5); // a click without moving
    dragTo({"thumb", 0}, form.hwnd({"cmdKey"}), 4, 4);
    dragTo({"thumb", 0}, form.hwnd({"lblColor", 0}), 20, 6); // no drop target
    dragTo({"thumb", 0}, form.hwnd(), 395, 245);
    EXPECT_TRUE(drops.empty());
    EXPECT_FALSE(form.dragging());
}

TEST_F(DragWithinTheWindow, AClosedGateStartsNoDrag) {
    gateOpen = false;
    SendMessageW(form.hwnd({"thumb", 0}), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(form.dragging());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragWithinTheWindow, AHandlerMayUnloadTheDraggedElement) {
    form.onDragDrop(ControlRef{"lblColor", 1}, ControlArray{"thumb"}, [&](int index) {
        form.unload({"thumb", index});
    });
    dragTo({"thumb", 1}, form.hwnd({"lblColor", 1}), 20, 6);
    EXPECT_THROW(form.hwnd({"thumb", 1}), std::logic_error);
    pump();
    EXPECT_FALSE(form.dragging());
}

TEST_F(DragWithinTheWindow, LosingTheMouseEndsTheDrag) {
    SendMessageW(form.hwnd({"thumb", 0}), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(form.dragging());
    EXPECT_EQ(GetCapture(), form.hwnd({"thumb", 0}));
    ReleaseCapture();
    EXPECT_FALSE(form.dragging());
    EXPECT_TRUE(drops.empty());
}

} // namespace
} // namespace lumivane::win32::testing
