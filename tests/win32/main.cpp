// The Win32 window tests run under Wine, with its null graphics driver: windows exist and
// behave, without a screen. COM is set up as the program does, for pictures and the browser.
#include "windows/win32/system.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (FAILED(OleInitialize(nullptr)))
        return 2;
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
