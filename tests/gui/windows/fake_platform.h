#pragma once

#include "platform/platform.h"

#include <map>
#include <string>

namespace lumivane::testing {

/// A platform for widget tests that need no files: host paths appear under Z: as in the
/// emulated system, colours come from a table the test can set.
class FakePlatform : public platform::Platform {
public:
    std::map<int, std::uint32_t> colors{{platform::syscolor::Highlight, 0x6A240A}};

    std::string windowsDirectory() override { return "C:\\WINDOWS"; }
    bool folderExists(std::string_view) override { return false; }
    bool fileExists(std::string_view) override { return false; }
    Status createFolder(std::string_view) override { return Status::failure("fake"); }
    Status copyFile(std::string_view, std::string_view) override { return Status::failure("fake"); }
    Status replaceFile(std::string_view, std::string_view) override {
        return Status::failure("fake");
    }
    std::optional<std::string> readFile(std::string_view) override { return std::nullopt; }
    Status listFolder(std::string_view path, std::vector<platform::FolderItem>&) override {
        return Status::failure("no folders here", std::string(path));
    }
    std::string programFolder() override { return "Z:\\opt\\lumivane"; }
    std::optional<std::string> hostPath(std::string_view path) override {
        if (path.size() < 3 || (path.substr(0, 3) != "Z:\\" && path.substr(0, 3) != "z:\\"))
            return std::nullopt;
        std::string host(path.substr(2));
        for (char& c : host)
            if (c == '\\')
                c = '/';
        return host;
    }
    std::string windowsPath(std::string_view hostPath) override {
        std::string path = "Z:" + std::string(hostPath);
        for (char& c : path)
            if (c == '/')
                c = '\\';
        return path;
    }
    std::string regGetString(platform::RootKey, std::string_view, std::string_view) override {
        return {};
    }
    void regSetString(platform::RootKey, std::string_view, std::string_view,
                      std::string_view) override {}
    std::uint32_t sysColor(int index) override { return colors[index]; }
    void setSysColor(int index, std::uint32_t color) override { colors[index] = color; }
    void setSysColorListener(SysColorListener) override {}
};

} // namespace lumivane::testing
