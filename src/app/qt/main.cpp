#include "app/qt/startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const lumivane::app::StartedProgram program = lumivane::app::startProgram();
    return app.exec();
}
