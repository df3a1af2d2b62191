// The bare engine: a QWebEngineView that loads folder.htt (argument 1) as a plain page with
// its own character set and prints the monotonic time when the page has been drawn: two
// frames after its load, the moment the viewer also counts (its pictures arrived, two frames).
#include "child_clock.h"

#include <QApplication>
#include <QFile>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QFile page(QString::fromLocal8Bit(argv[1]));
    if (!page.open(QIODevice::ReadOnly))
        return 1;
    QWebEngineView view;
    view.resize(800, 600);
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
    view.setContent(page.readAll(), QStringLiteral("text/html;charset=shift_jis"),
                    QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    return app.exec();
}
