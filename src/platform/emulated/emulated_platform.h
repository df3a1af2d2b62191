#pragma once

#include "platform/emulated/registry_db.h"
#include "platform/platform.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace lumivane::platform {

/// The emulated Windows system: a folder `root` with drive C: at `<root>/drive_c`, drive Z:
/// at the host's `/` and the current user's registry in `<root>/registry.sqlite3`.
/// A root that does not exist yet, or an empty folder, is set up as a fresh system on the first
/// file or registry operation (never by the constructor or the path conversions); one with
/// anything in it is left as it is. Write permission is honoured from the owner's write bit of
/// a file or folder, so a read-only file is refused as Windows refuses it, whoever runs the
/// program. Files are replaced through a locked temporary file beside them; a replacement
/// removes the temporary files in its folder that writers killed part-way left behind.
/// Opened for reading only, it never sets up a root, writes a file or changes the registry.
class EmulatedPlatform : public Platform {
public:
    enum class Access { ReadWrite, ReadOnly };

    /// `standardTemplate`: the bytes of the folder.htt that a fresh system's Web folder holds
    /// (none is needed for reading only).
    EmulatedPlatform(std::filesystem::path root, std::string standardTemplate,
                     Access access = Access::ReadWrite);

    /// The root folder that $LUMIVANE_ROOT names, else $XDG_DATA_HOME/lumivane, else
    /// ~/.local/share/lumivane.
    static std::filesystem::path defaultRoot();

    const std::filesystem::path& root() const { return root_; }

    std::string windowsDirectory() override;
    bool folderExists(std::string_view path) override;
    bool fileExists(std::string_view path) override;
    Status createFolder(std::string_view path) override;
    Status copyFile(std::string_view from, std::string_view to) override;
    Status replaceFile(std::string_view path, std::string_view bytes) override;
    std::optional<std::string> readFile(std::string_view path) override;
    Status listFolder(std::string_view path, std::vector<FolderItem>& items) override;
    Status listFolderNames(std::string_view path, std::vector<FolderItem>& items) override;
    void readDetails(std::string_view path, std::span<FolderItem* const> items) override;

    std::string programFolder() override;
    std::optional<std::string> hostPath(std::string_view path) override;
    std::string windowsPath(std::string_view hostPath) override;

    std::string regGetString(RootKey root, std::string_view subKey, std::string_view name) override;
    void regSetString(RootKey root, std::string_view subKey, std::string_view name,
                      std::string_view value) override;

    std::uint32_t sysColor(int index) override;
    void refreshSysColors() override { colorsLoaded_ = false; }
    void setSysColor(int index, std::uint32_t color) override;
    void setSysColorListener(SysColorListener listener) override;

protected:
    /// Writes all of `bytes` to an open file. Tests override it to fail part-way.
    virtual std::error_code writeBytes(int fd, std::string_view bytes);

private:
    /// Sets up a root that does not exist yet or is empty; runs at most once per instance.
    void ensureSetUp();
    /// The host path of a Windows path after set-up, or nullopt.
    std::optional<std::filesystem::path> mapped(std::string_view path);
    /// listFolder, or listFolderNames without `withDetails`.
    Status readFolder(std::string_view path, std::vector<FolderItem>& items, bool withDetails);
    void loadColors();

    std::filesystem::path root_;
    std::string standardTemplate_;
    Access access_;
    bool setUpChecked_ = false;
    emulated::RegistryDb registry_;
    static constexpr int colorCount = 31;
    std::array<std::uint32_t, colorCount> colors_{};
    bool colorsLoaded_ = false;
    SysColorListener listener_;
};

} // namespace lumivane::platform
