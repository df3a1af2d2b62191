#pragma once

#include <cstdint>

namespace lumivane::platform::win32 {

/// A 64-bit millisecond count from the system's 32-bit one (GetTickCount, which wraps after
/// 49.7 days), given the last 64-bit count handed out: a smaller 32-bit value than the last
/// one's low half means the count has wrapped once since. Called far more often than every
/// 49.7 days, this never misses a wrap.
constexpr std::uint64_t widenTickCount(std::uint64_t last, std::uint32_t now) {
    std::uint64_t wide = (last & ~std::uint64_t{0xffffffff}) | now;
    if (wide < last)
        wide += std::uint64_t{1} << 32;
    return wide;
}

} // namespace lumivane::platform::win32
