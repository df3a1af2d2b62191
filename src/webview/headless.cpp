#include "webview/headless.h"

#include "webview/folder_view.h"
#include "webview/folder_window.h"
#include "webview/raw_text.h"

#include <QEventLoop>
#include <QImage>
#include <QLayout>
#include <QTimer>
#include <cstdio>

namespace lumivane::webview {
namespace {

// Long enough for a big folder under a slow build, short enough that a page that never
// settles is told well before anyone gives up on it.
constexpr int kLayoutTimeoutMs = kLayoutLimitSeconds * 1000;
constexpr int kFrameWaitMs = 120;

void say(const QString& text) {
    std::fprintf(stderr, "lumivane-webview: %s\n", text.toUtf8().constData());
}

} // namespace

QImage settledShot(QWidget& window) {
    QImage shot;
    for (int attempt = 0; attempt < 30; ++attempt) {
        QEventLoop pause;
        QTimer::singleShot(kFrameWaitMs, &pause, &QEventLoop::quit);
        pause.exec();
        QImage next = window.grab().toImage();
        if (!shot.isNull() && next == shot)
            break;
        shot = std::move(next);
    }
    return shot;
}

int renderHeadless(FolderWindow& window, const ViewerArgs& args, const QString& folder) {
    int status = 0;
    window.setHeadless(true);
    QObject::connect(&window, &FolderWindow::scriptError, [&](const QString& message, int line) {
        say(FolderWindow::scriptErrorText(message, line));
        status = 1;
    });
    FolderView& view = window.view();
    QObject::connect(&view, &FolderView::pageSaid, [](const QString& text) {
        say(QStringLiteral("ページからのメッセージ: ") + text);
    });
    QEventLoop loop;
    bool laidOut = false;
    bool ended = false;
    QObject::connect(&view, &FolderView::laidOut, &loop, [&] {
        laidOut = true;
        loop.quit();
    });
    QObject::connect(&view, &FolderView::pageEnded, &loop, [&](const QString& reason) {
        say(FolderWindow::pageEndedText(reason));
        ended = true;
        loop.quit();
    });
    QTimer::singleShot(kLayoutTimeoutMs, &loop, &QEventLoop::quit);

    // Any size the usage allows, even one too small for the window's bars: they are cut off
    // as a window manager would cut them, and the page gets what room is left.
    window.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    window.setMinimumSize(0, 0);
    window.resize(args.width.value_or(800), args.height.value_or(600));
    window.show();
    QStringList names;
    for (const std::string& name : args.select)
        names.append(fromRaw(name));
    window.goTo(folder, names);
    if (!view.listing().ok()) {
        say(QStringLiteral("フォルダを読めません: %1 (%2)")
                .arg(shownText(folder), QString::fromStdString(view.listing().error)));
        status = 1;
    }
    const QStringList selected = view.selectedNames();
    for (const QString& name : names) {
        if (!selected.contains(name)) {
            say(QStringLiteral("--select: '%1' はフォルダ %2 にありません")
                    .arg(shownText(name), shownText(folder)));
            return 2;
        }
    }
    loop.exec();
    if (ended)
        return 1;
    if (!laidOut) {
        say(QStringLiteral("ページの配置が %1 秒で終わりませんでした")
                .arg(kLayoutTimeoutMs / 1000));
        return 1;
    }
    if (!view.templateProblem().isEmpty()) {
        say(view.templateProblem());
        status = 1;
    }
    if (!settledShot(window).save(QString::fromStdString(*args.png), "PNG")) {
        say(QStringLiteral("PNG を書けません: ") + QString::fromStdString(*args.png));
        return 1;
    }
    if (args.info) {
        QString info;
        view.page()->runJavaScript(
            QStringLiteral("document.all.Info ? document.all.Info.innerHTML : ''"),
            [&](const QVariant& value) {
                info = value.toString();
                loop.quit();
            });
        loop.exec();
        if (ended)
            return 1;
        std::printf("%s\n", info.toUtf8().constData());
        std::fflush(stdout);
    }
    return status;
}

} // namespace lumivane::webview
