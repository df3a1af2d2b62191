// Lumivane's own start, exactly as its main() does it, ending at the main window's first
// paint (see startup_bench).
#include "app/qt/startup.h"
#include "startup_paint.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    lumivane::bench::FirstPaintExit watch(app);
    const lumivane::app::StartedProgram program = lumivane::app::startProgram();
    return app.exec();
}
