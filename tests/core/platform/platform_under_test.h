#pragma once

#include "platform/platform.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace lumivane::testing {

/// The platform that the conformance suites run against, obtained in this one place:
/// natively the emulated system on a fresh temporary root, on Windows the real system.
/// Each instance brings an empty scratch folder and a registry key of its own, and
/// removes both when it ends.
class PlatformUnderTest {
public:
    PlatformUnderTest();
    ~PlatformUnderTest();
    PlatformUnderTest(const PlatformUnderTest&) = delete;
    PlatformUnderTest& operator=(const PlatformUnderTest&) = delete;

    platform::Platform& platform() { return *platform_; }
    /// A Windows path of an empty folder, without trailing separator.
    const std::string& scratch() const { return scratch_; }
    /// A sub-key of the current user's hive that no other test uses.
    const std::string& registryKey() const { return registryKey_; }

    /// Gives a file the read-only attribute (or takes it away).
    void setReadOnly(std::string_view windowsPath, bool readOnly);
    /// The names in a folder, for checking that nothing stray was left there.
    std::vector<std::string> folderEntries(std::string_view windowsPath);

private:
    std::unique_ptr<platform::Platform> platform_;
    std::filesystem::path temporary_; // the emulated root's parent; empty on Windows
    std::string scratch_;
    std::string registryKey_;
};

} // namespace lumivane::testing
