#pragma once

#include "platform/platform.h"

#include <map>
#include <string>

namespace lumivane::test {

/// An in-memory platform for the main window's tests: system colours from a table, a
/// program folder to choose and a host path mapping that only prefixes the Windows path.
class FakePlatform : public platform::Platform {
public:
    std::map<int, std::uint32_t> colours{{platform::syscolor::Window, 0xFFFFFF},
                                         {platform::syscolor::BtnFace, 0xC0C0C0}};
    std::string folder = "C:\\Program Files\\Lumivane";
    std::string hostRoot = "/host/";
    std::map<std::string, std::string, std::less<>> files;
    /// Host paths for particular Windows paths, ahead of the prefixing.
    std::map<std::string, std::string, std::less<>> hostPaths;

    std::string windowsDirectory() override { return "C:\\WINDOWS"; }
    bool folderExists(std::string_view) override { return true; }
    bool fileExists(std::string_view path) override { return files.contains(path); }
    Status createFolder(std::string_view) override { return Status::success(); }
    Status copyFile(std::string_view, std::string_view) override { return Status::success(); }
    Status replaceFile(std::string_view path, std::string_view bytes) override {
        files[std::string(path)] = bytes;
        return Status::success();
    }
    std::optional<std::string> readFile(std::string_view path) override {
        const auto it = files.find(path);
        if (it == files.end())
            return std::nullopt;
        return it->second;
    }
    Status listFolder(std::string_view path, std::vector<platform::FolderItem>&) override {
        return Status::failure("no folders here", std::string(path));
    }
    std::string programFolder() override { return folder; }
    std::optional<std::string> hostPath(std::string_view path) override {
        if (const auto it = hostPaths.find(path); it != hostPaths.end())
            return it->second;
        return hostRoot + std::string(path);
    }
    std::string windowsPath(std::string_view hostPath) override { return std::string(hostPath); }
    std::string regGetString(platform::RootKey, std::string_view, std::string_view) override {
        return {};
    }
    void regSetString(platform::RootKey, std::string_view, std::string_view,
                      std::string_view) override {}
    std::uint32_t sysColor(int index) override { return colours[index]; }
    void setSysColor(int index, std::uint32_t color) override { colours[index] = color; }
    void setSysColorListener(SysColorListener) override {}
};

} // namespace lumivane::test
