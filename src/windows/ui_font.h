#pragma once

#include <string_view>

namespace lumivane::windows {

/// A face for the windows' text and its size in pixels at 96 dots per inch.
struct UiFace {
    std::string_view face;
    int pixels;
};

/// The faces tried for the windows' text, in order; the first the system has is taken. The
/// twip layout assumes the 9-point Japanese UI font of its era ("MS UI Gothic"), whose kana
/// are narrower than today's: Noto Sans CJK JP's full-width kana need 10 pixels for the
/// tightest check box caption (14 characters in 165 pixels) to fit beside its box.
inline constexpr UiFace kUiFaces[] = {
    {"MS UI Gothic", 12},
    {"ＭＳ Ｐゴシック", 12},
    {"MS PGothic", 12},
    {"Noto Sans CJK JP", 10},
};

} // namespace lumivane::windows
