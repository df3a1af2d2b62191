#include "platform/emulated/system_colors.h"

#include <charconv>

namespace lumivane::platform::emulated {
namespace {

constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

} // namespace

const std::array<SystemColor, 31> systemColors{{
    {"Scrollbar", rgb(192, 192, 192)},
    {"Background", rgb(0, 128, 128)},
    {"ActiveTitle", rgb(0, 0, 128)},
    {"InactiveTitle", rgb(128, 128, 128)},
    {"Menu", rgb(192, 192, 192)},
    {"Window", rgb(255, 255, 255)},
    {"WindowFrame", rgb(0, 0, 0)},
    {"MenuText", rgb(0, 0, 0)},
    {"WindowText", rgb(0, 0, 0)},
    {"TitleText", rgb(255, 255, 255)},
    {"ActiveBorder", rgb(192, 192, 192)},
    {"InactiveBorder", rgb(192, 192, 192)},
    {"AppWorkspace", rgb(128, 128, 128)},
    {"Hilight", rgb(0, 0, 128)},
    {"HilightText", rgb(255, 255, 255)},
    {"ButtonFace", rgb(192, 192, 192)},
    {"ButtonShadow", rgb(128, 128, 128)},
    {"GrayText", rgb(128, 128, 128)},
    {"ButtonText", rgb(0, 0, 0)},
    {"InactiveTitleText", rgb(192, 192, 192)},
    {"ButtonHilight", rgb(255, 255, 255)},
    {"ButtonDkShadow", rgb(0, 0, 0)},
    {"ButtonLight", rgb(192, 192, 192)},
    {"InfoText", rgb(0, 0, 0)},
    {"InfoWindow", rgb(255, 255, 225)},
    {"ButtonAlternateFace", rgb(192, 192, 192)},
    {"HotTrackingColor", rgb(0, 0, 255)},
    {"GradientActiveTitle", rgb(16, 132, 208)},
    {"GradientInactiveTitle", rgb(181, 181, 181)},
    {"MenuHilight", rgb(0, 0, 128)},
    {"MenuBar", rgb(192, 192, 192)},
}};

std::optional<std::uint32_t> parseColor(std::string_view text) {
    std::uint32_t parts[3];
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        while (p != end && *p == ' ')
            ++p;
        if (p == end || *p < '0' || *p > '9')
            return std::nullopt;
        const auto [next, ec] = std::from_chars(p, end, parts[i]);
        if (ec != std::errc() || parts[i] > 255)
            return std::nullopt;
        p = next;
        if (i < 2 && (p == end || *p != ' '))
            return std::nullopt;
    }
    while (p != end && *p == ' ')
        ++p;
    if (p != end)
        return std::nullopt;
    return rgb(parts[0], parts[1], parts[2]);
}

std::string formatColor(std::uint32_t color) {
    return std::to_string(color & 0xFF) + ' ' + std::to_string((color >> 8) & 0xFF) + ' ' +
           std::to_string((color >> 16) & 0xFF);
}

} // namespace lumivane::platform::emulated
