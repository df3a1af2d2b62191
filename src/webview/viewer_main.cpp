#include "webview/viewer_main.h"

#include "platform/platform.h"
#include "webview/drive_scheme.h"
#include "webview/folder_address.h"
#include "webview/folder_view.h"
#include "webview/folder_window.h"
#include "webview/headless.h"
#include "webview/raw_text.h"
#include "webview/viewer_args.h"
#include "windows/version_text.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QLoggingCategory>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace lumivane::webview {

namespace {

QtMessageHandler defaultHandler = nullptr;

/// Lines that the engine and the offscreen platform print on every start and that say nothing
/// to a user: a shot's standard error holds the page's errors and the program's messages.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    static const QStringList chatter{
        QStringLiteral("propagateSizeHints"), QStringLiteral("XDG_RUNTIME_DIR"),
        QStringLiteral("Sandboxing disabled"), QStringLiteral("No suitable graphics backend"),
        QStringLiteral("WebEngineContext used before")};
    for (const QString& line : chatter) {
        if (message.contains(line))
            return;
    }
    defaultHandler(type, context, message);
}

} // namespace

void prepareEngine() {
    if (::geteuid() == 0)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    // The viewer writes nothing: neither Qt's nor the OpenGL driver's cache of compiled
    // shaders (both would go under ~/.cache when the window is drawn with OpenGL).
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    ::setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
    ::setenv("MESA_GLSL_CACHE_DISABLE", "true", 1);
    DriveSchemeHandler::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

int viewerMain(int argc, char** argv, const LaidOutHook& laidOut) {
    const ParsedViewerArgs parsed =
        parseViewerArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "lumivane-webview: %s\n", parsed.error.c_str());
        return 2;
    }
    const ViewerArgs& args = parsed.args;
    if (args.help) {
        std::fputs(viewerUsage().c_str(), stdout);
        return 0;
    }
    if (args.version) {
        std::printf("lumivane-webview %s\n", windows::versionNumber().c_str());
        return 0;
    }
    // The folder is read as an argument: a bad one is told before anything starts.
    const std::unique_ptr<platform::Platform> platform = platform::makeSystemPlatformForReading();
    const std::optional<std::string> folder =
        folderAddress(args.folder.value_or(QDir::homePath().toStdString()), *platform);
    if (!folder) {
        std::fprintf(stderr, "lumivane-webview: フォルダのパスではありません: %s\n",
                     args.folder.value_or("").c_str());
        return 2;
    }
    // A shot needs no display.
    if (args.png && !std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The engine's account of its graphics set-up is for its own developers, not for users.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    if (args.png)
        defaultHandler = qInstallMessageHandler(quietHandler);
    prepareEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumivane-webview"));
    QApplication::setDesktopFileName(QStringLiteral("lumivane-webview"));
    // The font database (every font that fontconfig knows) is read on a thread of its own
    // while the window is built and the engine starts; its functions are thread-safe, and the
    // window's texts wait for it only if it is not done by then.
    const std::jthread fontsRead([] { QFontDatabase::families(); });
    QFont font;
    font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(12);
    QApplication::setFont(font);
    DriveSchemeHandler::useDesktopIcons();

    FolderWindow window(*platform);
    window.view().setSecond(args.second);
    if (laidOut)
        QObject::connect(&window.view(), &FolderView::laidOut, &window,
                         [&window, &laidOut] { laidOut(window); });
    const QString start = fromRaw(*folder);
    if (args.png)
        return renderHeadless(window, args, start);
    if (args.width)
        window.resize(*args.width, *args.height);
    QStringList names;
    for (const std::string& name : args.select)
        names.append(fromRaw(name));
    window.goTo(start, names);
    window.show();
    return app.exec();
}

} // namespace lumivane::webview
