#pragma once

#include "platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane::webview {

/// One entry of a folder as the file list shows it.
struct FolderEntry : platform::FolderItem {
    std::string infoTip; ///< the address of an Internet shortcut (.url), else empty

    friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};

/// A folder's entries, folders first, then by name without regard to ASCII case.
/// `error` says in words why the folder could not be read; the entries are then empty.
struct FolderListing {
    std::vector<FolderEntry> entries;
    std::string error;
    /// How many of the entries, from the first, come with their details (sizes, times,
    /// attributes, info tips): all unless listFolder was asked for fewer.
    std::size_t detailedEntries = 0;
    bool ok() const { return error.empty(); }
    bool detailed() const { return detailedEntries == entries.size(); }

    friend bool operator==(const FolderListing&, const FolderListing&) = default;
};

/// As a count of entries: all of them, however many there are.
inline constexpr std::size_t kAllEntries = static_cast<std::size_t>(-1);

/// Reads the folder at a Windows path. Hidden entries are left out unless asked for; an entry
/// that vanishes while the folder is read is left out too. With `detailed`, only that many
/// entries from the first come with their details: a big folder's first rows are shown
/// sooner, and readDetails reads the others' details after.
FolderListing listFolder(platform::Platform& platform, std::string_view windowsPath,
                         bool withHidden = false, std::size_t detailed = kAllEntries);

/// Reads the details of the listing's entries up to `upTo` (all by default) that listFolder
/// left without them. An entry gone meanwhile shows none.
void readDetails(platform::Platform& platform, std::string_view windowsPath, FolderListing& listing,
                 std::size_t upTo = kAllEntries);

/// The extension after the last dot, in lower case; empty without one (".profile" has none).
std::string fileExtension(std::string_view name);

/// The details view's columns, numbered as the page asks for them.
enum Column : int { InfoTip = -1, Name = 0, Size = 1, Type = 2, Modified = 3, Attributes = 4 };

/// The title of a column ("名前", "サイズ", ...); empty past the last one.
std::string columnTitle(int column);

/// What a column shows for an entry: the size in whole kilobytes rounded up ("1,234 KB",
/// empty for a folder), the type's name, the local date "2026/12/07 11:55", the attribute
/// letters (R read-only, H hidden, A archive on every file), the info tip at -1.
std::string detailOf(const FolderEntry& entry, int column);

/// The type's name: "ファイル フォルダ", a known one such as "JPEG イメージ", else the
/// extension in capitals and "ファイル" ("LMV ファイル"), or "ファイル" without one.
std::string typeName(const FolderEntry& entry);

/// A size as a status bar shows it: "512 バイト", "12.5 KB", "1.23 MB", "2.00 GB".
std::string shortSizeText(std::uint64_t bytes);

/// `n` with a comma before every full group of three digits ("12,345").
std::string groupedNumber(std::uint64_t n);

} // namespace lumivane::webview
