#include "platform_under_test.h"

#include "template/template_text.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

#ifdef _WIN32
#include <shlwapi.h>
#include <windows.h>
#else
#include "platform/emulated/emulated_platform.h"

#include <cstdlib>
#include <sys/stat.h>
#endif

namespace lumivane::testing {
namespace fs = std::filesystem;
namespace {

std::string uniqueName() {
    static std::atomic<int> counter{0};
#ifdef _WIN32
    const unsigned long process = GetCurrentProcessId();
#else
    const unsigned long process = static_cast<unsigned long>(::getpid());
#endif
    // Wine hands out the same small process ids run after run, so the time keeps a run
    // that was killed before its clean-up from blocking the next one.
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return "lumivane-test-" + std::to_string(process) + "-" + std::to_string(now) + "-" +
           std::to_string(++counter);
}

} // namespace

#ifdef _WIN32

PlatformUnderTest::PlatformUnderTest()
    : platform_(platform::makeSystemPlatform(lumivane::standardTemplateBytes())) {
    char temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    std::string folder(temp, length);
    while (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    scratch_ = folder + "\\" + uniqueName();
    if (!platform_->createFolder(scratch_))
        throw std::runtime_error("cannot create the scratch folder " + scratch_);
    registryKey_ = "Software\\Lumivane Tests\\" + uniqueName();
}

PlatformUnderTest::~PlatformUnderTest() {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(scratch_, ec))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(scratch_, ec);
    SHDeleteKeyA(HKEY_CURRENT_USER, registryKey_.c_str()); // RegDeleteTree is Vista's
}

void PlatformUnderTest::setReadOnly(std::string_view windowsPath, bool readOnly) {
    const std::string path(windowsPath);
    SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

#else

PlatformUnderTest::PlatformUnderTest() {
    std::string pattern = (fs::temp_directory_path() / "lumivane-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    temporary_ = pattern;
    // The root itself does not exist yet, so the first operation sets up a fresh system.
    platform_ = std::make_unique<platform::EmulatedPlatform>(temporary_ / "root",
                                                             lumivane::standardTemplateBytes());
    scratch_ = "C:\\" + uniqueName();
    if (!platform_->createFolder(scratch_))
        throw std::runtime_error("cannot create the scratch folder " + scratch_);
    registryKey_ = "Software\\Lumivane Tests\\" + uniqueName();
}

PlatformUnderTest::~PlatformUnderTest() {
    std::error_code ec;
    fs::remove_all(temporary_, ec);
}

void PlatformUnderTest::setReadOnly(std::string_view windowsPath, bool readOnly) {
    const std::optional<std::string> host = platform_->hostPath(windowsPath);
    ASSERT_TRUE(host.has_value());
    ::chmod(host->c_str(), readOnly ? 0444 : 0644);
}

#endif

std::vector<std::string> PlatformUnderTest::folderEntries(std::string_view windowsPath) {
    std::vector<std::string> names;
    const std::optional<std::string> host = platform_->hostPath(windowsPath);
    if (!host)
        return names;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(*host), ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace lumivane::testing
