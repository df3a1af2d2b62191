// The folder viewer's start: process start to the page laid out (its pictures arrived),
//  1. for a folder of 10,000 files, as a ratio to the same for a folder of 10 files: the
//     listing, its data handed to the page and the file list stand-in must not make a big
//     folder slow (target 1.1); and as a ratio to a folder of 40 files, which fills the
//     window's list as the big folder does (the 10 files leave it two thirds empty): what the
//     number of files alone costs (target 1.1);
//  2. for the folder of 10 files, as a ratio to a bare QWebEngineView program showing the same
//     picture as the least work can: the page as the viewer drew it, written out as a plain
//     page (its document, style sheets and pictures as files, the template's own scripts but
//     not the handlers that would lay it out again; drawn, it is the viewer's page pixel for
//     pixel), in a view of the same size, counting as the viewer does until two frames after
//     its load. What the viewer adds to the engine's own start and load (its window, the
//     folder's listing, the host scripts and their channel, the stand-ins making their
//     elements, the scheme serving the page) stays small (target 1.1).
// Each is a child process on the offscreen platform, started once to warm the caches, then
// `--runs N` times (default 15: a start varies by tens of milliseconds on a busy machine of two
// cores, and the median of fewer moved by more than the rows' margins) in turns; the medians are
// compared.
#include "child_clock.h"
#include "figure.h"
#include "platform/emulated/emulated_platform.h"
#include "platform/emulated/standard_pictures.h"
#include "template/apply.h"
#include "template/template_text.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using lumivane::bench::median;
using lumivane::bench::timeToMoment;

fs::path folderOf(const fs::path& parent, const std::string& name, int files) {
    const fs::path folder = parent / name;
    fs::create_directories(folder);
    for (int i = 0; i < files; ++i)
        std::ofstream(folder / ("photo" + std::to_string(100000 + i) + ".jpg")) << "jpeg " << i;
    return folder;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 15;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));

    const fs::path bin = fs::canonical("/proc/self/exe").parent_path();
    std::string scratch = (fs::temp_directory_path() / "lumivane-webview-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) {
        std::perror("webview_bench");
        return 1;
    }
    const fs::path root = fs::path(scratch) / "root";
    ::setenv("LUMIVANE_ROOT", root.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (::geteuid() == 0)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);

    // The defaults of "変更" with one picture, as a user's system has it.
    {
        lumivane::platform::EmulatedPlatform system(root, lumivane::standardTemplateBytes());
        const fs::path picture = fs::path(scratch) / "picture.bmp";
        std::ofstream(picture, std::ios::binary)
            << lumivane::platform::emulated::standardLeftBitmap(); // a picture that shows
        std::string leftImageFolder;
        lumivane::ApplyTemplate(system, false, {}, 1, leftImageFolder);
        const std::vector<std::string> stock{system.windowsPath(picture.string())};
        lumivane::CopyPictureStock(system, leftImageFolder, stock, {});
    }
    const std::string few = folderOf(scratch, "few", 10).string();
    const std::string many = folderOf(scratch, "many", 10000).string();
    const std::string full = folderOf(scratch, "full", 40).string();
    const std::string probe = (bin / "webview_probe").string();
    const std::string baseline = (bin / "webview_baseline").string();

    // The bare engine's page: the 10 files' page as the viewer draws it.
    const std::string snapshot = (fs::path(scratch) / "page.html").string();
    std::string width, height;
    if (timeToMoment({probe, "--snapshot", snapshot, few}, "laidout"))
        std::ifstream(snapshot + ".size") >> width >> height;
    if (height.empty()) {
        std::fprintf(stderr, "webview_bench: the viewer did not write its page\n");
        std::error_code ignored;
        fs::remove_all(scratch, ignored);
        return 1;
    }

    std::vector<long long> manyNs, fewNs, bareNs, fullNs;
    bool measured = true;
    for (int i = -1; i < runs && measured; ++i) {
        const auto a = timeToMoment({probe, many}, "laidout");
        const auto b = timeToMoment({probe, few}, "laidout");
        const auto c = timeToMoment({baseline, snapshot, width, height}, "laidout");
        const auto d = timeToMoment({probe, full}, "laidout");
        measured = a && b && c && d;
        if (measured && i >= 0) {
            manyNs.push_back(*a);
            fewNs.push_back(*b);
            bareNs.push_back(*c);
            fullNs.push_back(*d);
        }
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    if (!measured) {
        std::fprintf(stderr, "webview_bench: a program did not report its page laid out\n");
        return 1;
    }
    const double manyMs = median(manyNs) / 1e6;
    const double fewMs = median(fewNs) / 1e6;
    const double bareMs = median(bareNs) / 1e6;
    const double fullMs = median(fullNs) / 1e6;
    std::printf("start to page laid out, median of %d: 10,000 files %.1f ms, 40 files %.1f ms, "
                "10 files %.1f ms, bare engine %.1f ms\n",
                runs, manyMs, fullMs, fewMs, bareMs);
    lumivane::bench::printFigure("viewer start: folder of 10,000 files vs 10 files", manyMs, fewMs,
                                 "ms", 1.1);
    lumivane::bench::printFigure("viewer start: folder of 10,000 files vs 40, a full window",
                                 manyMs, fullMs, "ms", 1.1);
    lumivane::bench::printFigure("viewer start: 10 files vs bare QWebEngineView, same page", fewMs,
                                 bareMs, "ms", 1.1);
    return 0;
}
