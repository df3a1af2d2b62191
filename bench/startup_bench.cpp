// Start-up benchmark: the time from process start to the main window's first paint, as a
// ratio to a minimal Qt program that shows one empty window, built beside it. Both run on
// the offscreen platform, each started as a child process that exits at its first paint;
// each is started once to warm the caches, then `--runs N` times (default 9) in turns, and
// the medians are compared.
//
// Target: at most 3. Both programs pay the same fixed costs (loading Qt and its platform
// plugin); Lumivane adds what any window with text needs, the font database (on its own
// about as long as the whole empty window's start here), then the main window's many
// controls in the Japanese UI font, the emulated system's registry and colours.
// Within three times a bare window the start still feels immediate; beyond it, something
// does work at start that it could put off.
#include "child_clock.h"
#include "figure.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using lumivane::bench::median;
using lumivane::bench::timeToMoment;

int main(int argc, char** argv) {
    int runs = 9;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));

    const fs::path folder = fs::canonical("/proc/self/exe").parent_path();
    const fs::path probe = folder / "startup_probe";
    const fs::path baseline = folder / "startup_baseline";

    // The program starts on an emulated system of its own, never the user's.
    std::string rootPattern = (fs::temp_directory_path() / "lumivane-startup-XXXXXX").string();
    if (!::mkdtemp(rootPattern.data())) {
        std::perror("startup_bench");
        return 1;
    }
    ::setenv("LUMIVANE_ROOT", (fs::path(rootPattern) / "root").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::vector<long long> probeNs;
    std::vector<long long> baselineNs;
    bool measured = true;
    // The first start of each sets up the emulated system and warms the file cache.
    for (int i = -1; i < runs && measured; ++i) {
        const std::optional<long long> program = timeToMoment({probe.string()}, "painted");
        const std::optional<long long> bare = timeToMoment({baseline.string()}, "painted");
        measured = program && bare;
        if (measured && i >= 0) {
            probeNs.push_back(*program);
            baselineNs.push_back(*bare);
        }
    }
    std::error_code ignored;
    fs::remove_all(rootPattern, ignored);
    if (!measured) {
        std::fprintf(stderr, "startup_bench: a program did not report its first paint\n");
        return 1;
    }

    const double program = median(probeNs) / 1e6;
    const double bare = median(baselineNs) / 1e6;
    std::printf("start to first paint, median of %d: Lumivane %.1f ms, empty Qt window %.1f ms\n",
                runs, program, bare);
    lumivane::bench::printFigure("start-up: main window's first paint vs empty Qt window", program,
                                 bare, "ms", 3.0);
    return 0;
}
