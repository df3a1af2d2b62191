// The bare engine: a QWebEngineView that loads folder.htt (argument 1) as a plain page with
// its own character set and prints the monotonic time when the load has finished.
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
    QObject::connect(&view, &QWebEngineView::loadFinished, [](bool) {
        lumivane::bench::reportMoment("laidout");
        QCoreApplication::exit(0);
    });
    view.setContent(page.readAll(), QStringLiteral("text/html;charset=shift_jis"),
                    QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    return app.exec();
}
