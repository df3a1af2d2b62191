#pragma once

#include "platform/emulated/emulated_platform.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace lumivane::testing {

/// A fresh emulated Windows system in a temporary folder, removed again at the end.
/// The root does not exist until the platform's first operation sets it up.
class EmulatedRoot {
public:
    EmulatedRoot() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lumivane-root-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        temporary_ = pattern;
    }
    ~EmulatedRoot() {
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(temporary_, ec))
            ::chmod(entry.path().c_str(), entry.is_directory() ? 0755 : 0644);
        std::filesystem::remove_all(temporary_, ec);
    }
    EmulatedRoot(const EmulatedRoot&) = delete;
    EmulatedRoot& operator=(const EmulatedRoot&) = delete;

    std::filesystem::path root() const { return temporary_ / "root"; }
    /// A folder beside the root for files that stand for the user's own (host) files.
    std::filesystem::path outside() const {
        std::filesystem::create_directories(temporary_ / "home");
        return temporary_ / "home";
    }
    std::filesystem::path web() const { return root() / "drive_c" / "WINDOWS" / "Web"; }

    static std::string read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const std::filesystem::path& path, std::string_view bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path temporary_;
};

} // namespace lumivane::testing
