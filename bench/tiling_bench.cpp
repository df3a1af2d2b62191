// Toolbar strip benchmark: a 1 x 1 pixel bitmap dropped on the main window's strip needs
// 11,764 tiles (346 a row, 34 rows), a 16 x 16 one 66. Each run loads the bitmap into the
// strip and paints the strip once; the 1 x 1 time is reported as a ratio to the 16 x 16 time
// of the same run (medians with --benchmark_repetitions=N). Target: at most 3, as the cost
// must not grow with the number of tiles.
#include "app/fmain_form.h"
#include "appearance/qt/tile_strip.h"
#include "figure.h"
#include "platform/emulated/emulated_platform.h"
#include "template/template_text.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Setup {
    QTemporaryDir folder;
    std::unique_ptr<lumivane::platform::EmulatedPlatform> platform;
    std::map<int, std::string> bitmaps; // side in pixels -> Windows path
};

Setup* setup = nullptr;

void BM_TileStrip(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    // The main window's strip: Picture1's size.
    const lumivane::Twips box =
        lumivane::app::FmainForm().control(lumivane::app::fmain::Picture1).place;
    lumivane::TileStrip strip(*setup->platform, box.width, box.height);
    QImage canvas(strip.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        if (!strip.TileBackImage(setup->bitmaps.at(side)))
            state.SkipWithError("the bitmap did not load");
        strip.render(&canvas);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.counters["tiles"] = static_cast<double>(strip.tileCount());
}
BENCHMARK(BM_TileStrip)->Arg(16)->Arg(1)->Unit(benchmark::kMicrosecond);

/// Keeps each benchmark's time per iteration beside the usual output: the median over the
/// repetitions where there are several (the machine may be busy with other work).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Iteration)
                times_[run.run_name.str()].push_back(run.GetAdjustedRealTime());
            else if (run.aggregate_name == "median")
                medians_[run.run_name.str()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::optional<double> time(const std::string& name) const {
        if (const auto it = medians_.find(name); it != medians_.end())
            return it->second;
        const auto it = times_.find(name);
        if (it == times_.end())
            return std::nullopt;
        std::vector<double> times = it->second;
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }

private:
    std::map<std::string, std::vector<double>> times_;
    std::map<std::string, double> medians_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Setup s;
    setup = &s;
    s.platform = std::make_unique<lumivane::platform::EmulatedPlatform>(
        std::filesystem::path(s.folder.path().toStdString()) / "root",
        lumivane::standardTemplateBytes());
    for (int side : {1, 16}) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(QColor(40 * side % 256, 90, 160));
        const QString host = s.folder.filePath(QStringLiteral("tile%1.bmp").arg(side));
        if (!image.save(host, "BMP"))
            return 1;
        s.bitmaps[side] = s.platform->windowsPath(host.toStdString());
    }

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto one = reporter.time("BM_TileStrip/1");
    const auto sixteen = reporter.time("BM_TileStrip/16");
    if (!one || !sixteen)
        return 0; // filtered out
    const double ratio = *one / *sixteen;
    std::printf("1x1 bitmap (11764 tiles) / 16x16 bitmap (66 tiles): %.2f (target <= 3): %s\n",
                ratio, ratio <= 3.0 ? "within target" : "OVER TARGET");
    lumivane::bench::printFigure("tiling: 1x1 bitmap strip vs 16x16 bitmap strip", *one, *sixteen,
                                 "us", 3.0);
    return 0;
}
