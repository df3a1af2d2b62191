#include "windows/help_line_fit.h"

#include <algorithm>

namespace lumivane::windows {

std::vector<FitStep> helpLineSteps(int basePixelSize) {
    const int smallest = std::min(basePixelSize, kHelpLineMinPixels);
    std::vector<FitStep> steps;
    for (int size = basePixelSize; size >= smallest; --size)
        steps.push_back({size, 100});
    for (int stretch = 95; stretch >= kHelpLineMinStretch; stretch -= 5)
        steps.push_back({smallest, stretch});
    return steps;
}

} // namespace lumivane::windows
