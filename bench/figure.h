// One line per measured figure, in a form that bench/run gathers into its table:
//   FIGURE<TAB>name<TAB>value<TAB>baseline<TAB>unit<TAB>target
// where the ratio is value / baseline and target is the highest ratio that is within target.
#pragma once

#include <cstdio>
#include <string_view>

namespace lumivane::bench {

inline void printFigure(std::string_view name, double value, double baseline, std::string_view unit,
                        double target) {
    std::printf("FIGURE\t%.*s\t%.6g\t%.6g\t%.*s\t%.6g\n", static_cast<int>(name.size()),
                name.data(), value, baseline, static_cast<int>(unit.size()), unit.data(), target);
    std::fflush(stdout);
}

} // namespace lumivane::bench
