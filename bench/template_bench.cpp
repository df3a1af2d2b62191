// Writing the folder template: building its text from the options and encoding it in code
// page 932, against encoding the finished text alone (the work no template writer avoids).
#include "figure.h"
#include "platform/codepage.h"
#include "template/template_text.h"

#include <benchmark/benchmark.h>
#include <map>
#include <string>

namespace {

lumivane::TemplateInput presetInput() {
    lumivane::TemplateInput in;
    in.options = lumivane::TemplateOptions::preset();
    in.imageCount = 30;
    in.scriptFolder = lumivane::scriptFolder("C:\\WINDOWS\\Web\\leftimage");
    in.programFolder = "C:\\Program Files\\Lumivane";
    return in;
}

void BM_TemplateBytes(benchmark::State& state) {
    const auto in = presetInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(lumivane::templateBytes(in));
}
BENCHMARK(BM_TemplateBytes);

void BM_EncodeFinishedText(benchmark::State& state) {
    const std::string text = lumivane::templateText(presetInput());
    for (auto _ : state)
        benchmark::DoNotOptimize(lumivane::platform::toCp932(text));
}
BENCHMARK(BM_EncodeFinishedText);

class Collector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perIteration;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                perIteration[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Collector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto built = reporter.perIteration.find("BM_TemplateBytes");
    const auto encoded = reporter.perIteration.find("BM_EncodeFinishedText");
    if (built == reporter.perIteration.end() || encoded == reporter.perIteration.end())
        return 1;
    lumivane::bench::printFigure("template: build + encode vs encode only", built->second,
                                 encoded->second, "ns", 3.0);
    return 0;
}
