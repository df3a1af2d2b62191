#pragma once

#include "platform/status.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane::platform {

/// One entry of a folder as the file system reports it.
struct FolderItem {
    std::string name;
    bool isFolder = false;
    std::uint64_t size = 0;    ///< bytes; 0 for a folder
    std::int64_t modified = 0; ///< seconds since 1970-01-01 UTC
    bool readOnly = false;     ///< the read-only attribute (elsewhere: the owner may not write)
    bool hidden = false;       ///< the hidden attribute (elsewhere: the name begins with a dot)
    /// False while the size, the time and the read-only attribute are still to be read (see
    /// Platform::listFolderNames).
    bool detailed = true;

    friend bool operator==(const FolderItem&, const FolderItem&) = default;
};

/// Registry roots the program uses. Every caller passes the current user's hive.
enum class RootKey { CurrentUser };

/// System colour indices, as Windows numbers them.
namespace syscolor {
inline constexpr int Window = 5;
inline constexpr int MenuText = 7;
inline constexpr int WindowText = 8;
inline constexpr int Highlight = 13;
inline constexpr int BtnFace = 15;
inline constexpr int BtnText = 18;
} // namespace syscolor

/// The last part of a Windows path: the file's or folder's own name.
constexpr std::string_view fileName(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

/// Every call the program makes to the operating system. Paths are Windows paths in
/// UTF-8 (`C:\WINDOWS\Web\folder.htt`); on Windows they are the real thing, elsewhere the
/// emulated system maps them to host paths. Colours are Windows COLORREF values
/// (red in the low byte, then green, then blue).
class Platform {
public:
    virtual ~Platform() = default;

    // --- The Windows directory and the file system -------------------------------------

    /// The Windows directory as GetWindowsDirectoryA gives it, without trailing separator.
    virtual std::string windowsDirectory() = 0;
    virtual bool folderExists(std::string_view path) = 0;
    virtual bool fileExists(std::string_view path) = 0;
    /// Creates one folder level; the parent must exist.
    virtual Status createFolder(std::string_view path) = 0;
    /// Byte copy; the destination is created or overwritten.
    virtual Status copyFile(std::string_view from, std::string_view to) = 0;
    /// Replaces the file whole with `bytes`: a temporary file beside it, renamed over it,
    /// so a failure leaves the old file intact.
    virtual Status replaceFile(std::string_view path, std::string_view bytes) = 0;
    /// Reads a whole file; nullopt when it cannot be read.
    virtual std::optional<std::string> readFile(std::string_view path) = 0;
    /// The entries of a folder, without "." and "..", in no particular order; a failure says
    /// why the folder cannot be read. An entry that vanishes while it is read is left out.
    virtual Status listFolder(std::string_view path, std::vector<FolderItem>& items) = 0;
    /// The entries as listFolder gives them, except that where each entry's size, time and
    /// attributes take a call of their own, an entry comes with its name, whether it is a
    /// folder and whether it is hidden only, not yet `detailed`: readDetails reads the rest
    /// of the entries that are wanted. A big folder's first entries are shown that much
    /// sooner.
    virtual Status listFolderNames(std::string_view path, std::vector<FolderItem>& items) {
        return listFolder(path, items);
    }
    /// Reads the details of these entries of the folder at `path` that are not yet
    /// `detailed`. An entry that is gone meanwhile keeps none (size and time 0).
    virtual void readDetails(std::string_view /*path*/, std::span<FolderItem* const> items) {
        for (FolderItem* item : items)
            item->detailed = true;
    }

    /// The folder that holds the running program, as a Windows path without trailing
    /// separator (unless it is a drive's root, as on Windows).
    virtual std::string programFolder() = 0;
    /// The host path for a Windows path (identity on Windows); nullopt if it has none.
    virtual std::optional<std::string> hostPath(std::string_view path) = 0;
    /// The Windows path under which the program sees a host path (identity on Windows).
    virtual std::string windowsPath(std::string_view hostPath) = 0;

    // --- The current user's registry (text values only) ---------------------------------

    /// The value's text; empty when there is nothing to read. Never fails loudly.
    virtual std::string regGetString(RootKey root, std::string_view subKey,
                                     std::string_view name) = 0;
    /// Stores a REG_SZ value, creating missing keys. Failures are silent.
    virtual void regSetString(RootKey root, std::string_view subKey, std::string_view name,
                              std::string_view value) = 0;

    // --- System colours -----------------------------------------------------------------

    virtual std::uint32_t sysColor(int index) = 0;
    /// Forgets the colours read so far, so that the next sysColor reads the stored ones
    /// afresh (another program may have changed them). Windows reports them live.
    virtual void refreshSysColors() {}
    /// Sets one system colour for the whole desktop (one SetSysColors call, one element).
    virtual void setSysColor(int index, std::uint32_t color) = 0;
    /// Called after every setSysColor of this process, with the index and the colour.
    using SysColorListener = std::function<void(int index, std::uint32_t color)>;
    virtual void setSysColorListener(SysColorListener listener) = 0;
};

/// The platform of this system: the real Windows calls on Windows, the emulated system
/// elsewhere (rooted at $LUMIVANE_ROOT, else $XDG_DATA_HOME/lumivane). `standardTemplate` is
/// the folder.htt that a freshly set-up emulated system starts with; Windows has its own.
std::unique_ptr<Platform> makeSystemPlatform(std::string standardTemplate);

/// The same system for a program that only looks at it: the emulated system is then never
/// set up, written or repaired (a missing root stays missing); on Windows it is the same as
/// makeSystemPlatform.
std::unique_ptr<Platform> makeSystemPlatformForReading();

} // namespace lumivane::platform
