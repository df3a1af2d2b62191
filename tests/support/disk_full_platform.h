#pragma once

#include "platform/emulated/emulated_platform.h"
#include "template/template_text.h"

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace lumivane::testing {

/// An emulated system whose disk fills up half-way through every write.
class DiskFullHalfWay : public platform::EmulatedPlatform {
public:
    explicit DiskFullHalfWay(std::filesystem::path root)
        : EmulatedPlatform(std::move(root), standardTemplateBytes()) {}

protected:
    std::error_code writeBytes(int fd, std::string_view bytes) override {
        EmulatedPlatform::writeBytes(fd, bytes.substr(0, bytes.size() / 2));
        return {ENOSPC, std::generic_category()};
    }
};

} // namespace lumivane::testing
