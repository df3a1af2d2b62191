#include "appearance/color_entry.h"

#include "appearance/mreg.h"

#include <algorithm>

namespace lumivane {

ColorEntry ColorEntryFrom(std::uint32_t color) {
    ColorEntry entry;
    entry.Red = static_cast<std::int16_t>(color & 255);
    entry.Green = static_cast<std::int16_t>((color >> 8) & 255);
    entry.Blue = static_cast<std::int16_t>((color >> 16) & 255);
    entry.Color = color & 0xFFFFFFu;
    return entry;
}

bool SetColorPart(ColorEntry& entry, ColorPart part, int value) {
    const auto clamped = static_cast<std::int16_t>(std::clamp(value, 0, 255));
    std::int16_t& field = part == ColorPart::Red     ? entry.Red
                          : part == ColorPart::Green ? entry.Green
                                                     : entry.Blue;
    const ColorEntry before = entry;
    field = clamped;
    entry.Color = static_cast<std::uint32_t>(entry.Red) +
                  256u * static_cast<std::uint32_t>(entry.Green) +
                  65536u * static_cast<std::uint32_t>(entry.Blue);
    return !(entry == before);
}

std::string ColorText(const ColorEntry& entry) {
    return std::to_string(entry.Red) + ' ' + std::to_string(entry.Green) + ' ' +
           std::to_string(entry.Blue);
}

ColorEntries ReadTargetColors(platform::Platform& platform) {
    ColorEntries colors;
    for (std::size_t i = 0; i < kColorTargets.size(); ++i)
        colors[i] = ColorEntryFrom(platform.sysColor(kColorTargets[i].sysColorIndex));
    return colors;
}

void ApplyTargetColors(platform::Platform& platform, const ColorEntries& colors) {
    for (std::size_t i = 0; i < kColorTargets.size(); ++i) {
        platform.setSysColor(kColorTargets[i].sysColorIndex, colors[i].Color);
        SetRegValue(platform, platform::RootKey::CurrentUser, kColorsKey,
                    kColorTargets[i].valueName, ColorText(colors[i]));
    }
}

} // namespace lumivane
