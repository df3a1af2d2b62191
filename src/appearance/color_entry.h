#pragma once

#include "platform/platform.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumivane {

/// One colour under edit: its three parts and the Windows colour value built from them
/// (red in the low byte, green in the second, blue in the third).
struct ColorEntry {
    std::int16_t Red = 0;
    std::int16_t Blue = 0;
    std::int16_t Green = 0;
    std::uint32_t Color = 0;
    friend bool operator==(const ColorEntry&, const ColorEntry&) = default;
};

enum class ColorPart { Red, Green, Blue };

/// One of the four system colours the colour changer edits.
struct ColorTarget {
    int sysColorIndex;          ///< the Windows system colour index
    std::string_view valueName; ///< its value under "Control Panel\Colors"
    std::string_view caption;   ///< the item of the target list
    std::string_view help;      ///< the help text shown when it is selected
};

inline constexpr std::string_view kColorsKey = "Control Panel\\Colors";

/// The targets in the order of the colour changer's list.
inline constexpr std::array<ColorTarget, 4> kColorTargets{{
    {platform::syscolor::Window, "Window", "ウインドウの背景",
     "ウインドウの背景の色を設定できます。チェックボックスやラジオボタンなどの色も同時に"
     "変化してしまうので気をつけてください。"},
    {platform::syscolor::WindowText, "WindowText", "ウインドウの文字",
     "ウインドウ内の文字の色を設定できます。アドレスバー内の文字の色も同時に変化します。"},
    {platform::syscolor::MenuText, "MenuText", "メニューの文字",
     "メニューバー内の文字の色を設定できます。"},
    {platform::syscolor::BtnText, "ButtonText", "ボタンの文字",
     "アドレスバーの「アドレス」の文字色を設定できます。表示されるボタン全ての文字色が"
     "変化してしまうので注意してください。"},
}};

using ColorEntries = std::array<ColorEntry, kColorTargets.size()>;

/// The entry of a Windows colour value; the high byte is ignored.
ColorEntry ColorEntryFrom(std::uint32_t color);

/// Sets one part (clamped to 0..255) and recomputes `Color` from the entry's own parts.
/// Returns whether the entry changed.
bool SetColorPart(ColorEntry& entry, ColorPart part, int value);

/// The registry text of a colour: "R G B" in decimal, single blanks ("0 128 255").
std::string ColorText(const ColorEntry& entry);

/// The present system colours of the four targets, in list order.
ColorEntries ReadTargetColors(platform::Platform& platform);

/// Makes each target's colour a system colour (one call per target, in list order) and
/// stores it as "R G B" under "Control Panel\Colors". Quiet, like every registry write.
void ApplyTargetColors(platform::Platform& platform, const ColorEntries& colors);

} // namespace lumivane
