#include "webview/drive_scheme.h"
#include "webview/viewer_main.h"

#include <QApplication>
#include <gtest/gtest.h>

// The viewer's tests share one QApplication and so one start of the engine.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    lumivane::webview::prepareEngine();
    QApplication app(argc, argv);
    lumivane::webview::DriveSchemeHandler::useDesktopIcons();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
