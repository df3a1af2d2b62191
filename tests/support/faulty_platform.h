#pragma once

#include "platform/platform.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumivane::testing {

/// Wraps a platform and makes chosen file operations fail, as a locked file, a full disk or
/// a missing right would; it also records every file operation in order.
class FaultyPlatform : public platform::Platform {
public:
    enum class Op { CreateFolder, CopyFile, ReplaceFile };

    explicit FaultyPlatform(platform::Platform& inner) : inner_(inner) {}

    /// Calls of `op` whose (target) path contains `pathPart` fail with `reason`, after
    /// `passing` such calls have gone through.
    void failOn(Op op, std::string pathPart, std::string reason = "ディスクの空き容量が足りません",
                int passing = 0) {
        faults_.push_back({op, std::move(pathPart), std::move(reason), passing, {}});
    }

    /// Lets every operation through again (the faults are gone, the record stays).
    void clearFaults() { faults_.clear(); }

    /// Registry writes go nowhere, as where the registry refuses them (they are silent).
    void refuseRegistryWrites(bool refuse = true) { refuseRegistry_ = refuse; }

    /// Every file operation as "createFolder P", "copyFile A -> B" or "replaceFile P".
    const std::vector<std::string>& calls() const { return calls_; }

    std::string windowsDirectory() override { return inner_.windowsDirectory(); }
    bool folderExists(std::string_view path) override { return inner_.folderExists(path); }
    bool fileExists(std::string_view path) override { return inner_.fileExists(path); }
    Status createFolder(std::string_view path) override {
        calls_.push_back("createFolder " + std::string(path));
        if (const Status* fault = check(Op::CreateFolder, path))
            return *fault;
        return inner_.createFolder(path);
    }
    Status copyFile(std::string_view from, std::string_view to) override {
        calls_.push_back("copyFile " + std::string(from) + " -> " + std::string(to));
        if (const Status* fault = check(Op::CopyFile, to))
            return *fault;
        return inner_.copyFile(from, to);
    }
    Status replaceFile(std::string_view path, std::string_view bytes) override {
        calls_.push_back("replaceFile " + std::string(path));
        if (const Status* fault = check(Op::ReplaceFile, path))
            return *fault;
        return inner_.replaceFile(path, bytes);
    }
    Status listFolder(std::string_view path, std::vector<platform::FolderItem>& items) override {
        return inner_.listFolder(path, items);
    }
    std::optional<std::string> readFile(std::string_view path) override {
        return inner_.readFile(path);
    }
    std::string programFolder() override { return inner_.programFolder(); }
    std::optional<std::string> hostPath(std::string_view path) override {
        return inner_.hostPath(path);
    }
    std::string windowsPath(std::string_view hostPath) override {
        return inner_.windowsPath(hostPath);
    }
    std::string regGetString(platform::RootKey root, std::string_view subKey,
                             std::string_view name) override {
        return inner_.regGetString(root, subKey, name);
    }
    void regSetString(platform::RootKey root, std::string_view subKey, std::string_view name,
                      std::string_view value) override {
        if (!refuseRegistry_)
            inner_.regSetString(root, subKey, name, value);
    }
    std::uint32_t sysColor(int index) override { return inner_.sysColor(index); }
    void setSysColor(int index, std::uint32_t color) override { inner_.setSysColor(index, color); }
    void setSysColorListener(SysColorListener listener) override {
        inner_.setSysColorListener(std::move(listener));
    }

private:
    struct Fault {
        Op op;
        std::string pathPart;
        std::string reason;
        int passing;
        Status status;
    };

    const Status* check(Op op, std::string_view path) {
        for (Fault& fault : faults_) {
            if (fault.op != op || path.find(fault.pathPart) == std::string_view::npos)
                continue;
            if (fault.passing > 0) {
                --fault.passing;
                continue;
            }
            fault.status = Status::failure(fault.reason, std::string(path));
            return &fault.status;
        }
        return nullptr;
    }

    platform::Platform& inner_;
    std::vector<Fault> faults_;
    std::vector<std::string> calls_;
    bool refuseRegistry_ = false;
};

} // namespace lumivane::testing
