// lumivane-webview's own start, exactly as its main() does it, ending when the page has laid
// itself out: prints the monotonic time then (see webview_bench).
#include "webview/viewer_main.h"

#include <QCoreApplication>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    return lumivane::webview::viewerMain(argc, argv, [](lumivane::webview::FolderWindow&) {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("laidout %lld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
