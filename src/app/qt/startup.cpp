#include "app/qt/startup.h"

#include "app/qt/ui_look.h"
#include "appearance/qt/system_palette.h"
#include "template/template_text.h"

#include <QApplication>
#include <QIcon>

namespace lumivane::app {

StartedProgram startProgram() {
    QApplication::setStyle(makeUiStyle());
    QApplication::setFont(uiFont());
    StartedProgram program;
    program.platform = platform::makeSystemPlatform(standardTemplateBytes());
    // The windows show the system colours and follow every change the program makes.
    FollowSystemColors(*program.platform);
    program.window = std::make_unique<Fmain>(*program.platform);
    QApplication::setWindowIcon(program.window->windowIcon());
    program.window->show();
    return program;
}

} // namespace lumivane::app
