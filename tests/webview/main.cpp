#include "webview/drive_scheme.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <unistd.h>

// The viewer's tests share one QApplication and so one start of the engine.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    lumivane::webview::DriveSchemeHandler::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    lumivane::webview::DriveSchemeHandler::useDesktopIcons();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
