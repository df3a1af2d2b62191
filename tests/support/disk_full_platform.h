#pragma once

#include "platform/emulated/emulated_platform.h"

#include <cerrno>
#include <string_view>
#include <system_error>

namespace lumivane::testing {

/// An emulated system whose disk fills up half-way through every write.
class DiskFullHalfWay : public platform::EmulatedPlatform {
public:
    using EmulatedPlatform::EmulatedPlatform;

protected:
    std::error_code writeBytes(int fd, std::string_view bytes) override {
        EmulatedPlatform::writeBytes(fd, bytes.substr(0, bytes.size() / 2));
        return {ENOSPC, std::generic_category()};
    }
};

} // namespace lumivane::testing
