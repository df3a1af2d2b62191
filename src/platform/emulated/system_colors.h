#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumivane::platform::emulated {

/// One system colour: its value name under "Control Panel\Colors" and its classic value.
struct SystemColor {
    std::string_view name;
    std::uint32_t classic; ///< COLORREF of the classic Windows scheme
};

/// The system colours by index (COLOR_SCROLLBAR 0 to COLOR_MENUBAR 30).
extern const std::array<SystemColor, 31> systemColors;

/// A colour as the registry holds it, "R G B" in decimal; nullopt when malformed.
std::optional<std::uint32_t> parseColor(std::string_view text);

/// A colour in the registry's text form, "R G B".
std::string formatColor(std::uint32_t color);

} // namespace lumivane::platform::emulated
