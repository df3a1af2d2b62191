#pragma once

#include <fstream>
#include <string>

namespace lumivane::testing {

/// A memory figure of this process in KiB, read from /proc/self/status ("VmRSS" resident now,
/// "VmHWM" the peak); -1 when the field is not there.
inline long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

} // namespace lumivane::testing
