// lumivane-webview's own start, exactly as its main() does it, ending when the page has laid
// itself out: prints the monotonic time then (see webview_bench).
#include "child_clock.h"
#include "webview/viewer_main.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    return lumivane::webview::viewerMain(argc, argv, [](lumivane::webview::FolderWindow&) {
        lumivane::bench::reportMoment("laidout");
        QCoreApplication::exit(0);
    });
}
