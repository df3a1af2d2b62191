// The least a Qt widget program does before its first paint: one empty window of the main
// window's size, shown (the baseline of startup_bench).
#include "startup_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    lumivane::bench::FirstPaintExit watch(app);
    QWidget window;
    window.resize(481, 445);
    window.show();
    return app.exec();
}
