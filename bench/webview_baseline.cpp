// The bare engine: a QWebEngineView of the viewer's page size (arguments 2 and 3) that shows
// the page the viewer had drawn (argument 1, written by webview_probe --snapshot: the same
// document, style, pictures and the template's scripts, nothing calling them) and prints the
// monotonic time when it has been drawn: two frames after its load, the moment the viewer also
// counts (its pictures arrived, two frames).
#include "child_clock.h"

#include <QApplication>
#include <QFile>
#include <QUrl>
#include <QWebEngineView>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4)
        return 2;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QFile page(QString::fromLocal8Bit(argv[1]));
    if (!page.open(QIODevice::ReadOnly))
        return 1;
    QWebEngineView view;
    view.resize(std::atoi(argv[2]), std::atoi(argv[3]));
    view.show();
    // The page's title is the cheapest word the page can send back.
    const QString drawn = QStringLiteral("lumivane-baseline-drawn");
    QObject::connect(&view, &QWebEngineView::loadFinished, [&view, &drawn](bool) {
        view.page()->runJavaScript(
            QStringLiteral("requestAnimationFrame(() => requestAnimationFrame(() => "
                           "{ document.title = '%1'; }));")
                .arg(drawn));
    });
    QObject::connect(&view, &QWebEngineView::titleChanged, [&drawn](const QString& title) {
        if (title != drawn)
            return;
        lumivane::bench::reportMoment("laidout");
        QCoreApplication::exit(0);
    });
    view.setContent(page.readAll(), QStringLiteral("text/html;charset=utf-8"),
                    QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    return app.exec();
}
