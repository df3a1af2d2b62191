#include "webview/viewer_main.h"

int main(int argc, char** argv) {
    return lumivane::webview::viewerMain(argc, argv);
}
