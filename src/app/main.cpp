#include "app/fmain.h"
#include "app/ui_look.h"
#include "appearance/system_palette.h"
#include "platform/platform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(lumivane::app::makeUiStyle());
    QApplication::setFont(lumivane::app::uiFont());
    const std::unique_ptr<lumivane::platform::Platform> platform =
        lumivane::platform::makeSystemPlatform();
    // The windows show the system colours and follow every change the program makes.
    lumivane::FollowSystemColors(*platform);
    lumivane::app::Fmain window(*platform);
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return app.exec();
}
