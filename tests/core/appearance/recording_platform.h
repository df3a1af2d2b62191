#pragma once

#include "platform/platform.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lumivane::testing {

/// An in-memory platform for the appearance tests that records its writes: a registry map (keys
/// without regard to case, as Windows compares them), files by Windows path, a system colour table,
/// and a log of the colour and registry writes in the order they were made.
class RecordingPlatform : public platform::Platform {
public:
    std::map<std::string, std::string> files;
    std::map<int, std::uint32_t> colors;
    /// "color <index> <value>" and "reg <key>\<name>=<text>", in call order.
    std::vector<std::string> writes;

    std::string windowsDirectory() override { return "C:\\WINDOWS"; }
    bool folderExists(std::string_view) override { return false; }
    bool fileExists(std::string_view path) override { return files.contains(std::string(path)); }
    Status createFolder(std::string_view) override { return Status::success(); }
    Status copyFile(std::string_view, std::string_view) override { return Status::success(); }
    Status replaceFile(std::string_view path, std::string_view bytes) override {
        files[std::string(path)] = std::string(bytes);
        return Status::success();
    }
    std::optional<std::string> readFile(std::string_view path) override {
        const auto it = files.find(std::string(path));
        if (it == files.end())
            return std::nullopt;
        return it->second;
    }
    Status listFolder(std::string_view path, std::vector<platform::FolderItem>&) override {
        return Status::failure("no folders here", std::string(path));
    }
    std::string programFolder() override { return "C:\\Lumivane"; }
    std::optional<std::string> hostPath(std::string_view path) override {
        return std::string(path);
    }
    std::string windowsPath(std::string_view hostPath) override {
        std::string path = "Z:" + std::string(hostPath);
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }

    std::string regGetString(platform::RootKey, std::string_view subKey,
                             std::string_view name) override {
        const auto it = registry_.find(key(subKey, name));
        return it == registry_.end() ? std::string() : it->second;
    }
    void regSetString(platform::RootKey, std::string_view subKey, std::string_view name,
                      std::string_view value) override {
        registry_[key(subKey, name)] = std::string(value);
        writes.push_back("reg " + std::string(subKey) + "\\" + std::string(name) + "=" +
                         std::string(value));
    }
    bool hasValue(std::string_view subKey, std::string_view name) const {
        return registry_.contains(key(subKey, name));
    }

    std::uint32_t sysColor(int index) override {
        const auto it = colors.find(index);
        return it == colors.end() ? 0xC0C0C0u : it->second;
    }
    void setSysColor(int index, std::uint32_t color) override {
        colors[index] = color;
        writes.push_back("color " + std::to_string(index) + " " + std::to_string(color));
        if (listener_)
            listener_(index, color);
    }
    void setSysColorListener(SysColorListener listener) override {
        listener_ = std::move(listener);
    }

private:
    static std::string key(std::string_view subKey, std::string_view name) {
        std::string k = std::string(subKey) + '\x01' + std::string(name);
        for (char& c : k)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return k;
    }

    std::map<std::string, std::string> registry_;
    SysColorListener listener_;
};

} // namespace lumivane::testing
