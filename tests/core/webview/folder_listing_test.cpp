// The folder as the file list shows it: order, details, types and sizes.
#include "platform/emulated/emulated_platform.h"
#include "support/emulated_root.h"
#include "webview/folder_listing.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace lumivane::webview;
using lumivane::platform::EmulatedPlatform;
using lumivane::testing::EmulatedRoot;
namespace fs = std::filesystem;

/// The listing of a host folder, through the emulated system's drive Z:.
FolderListing listHost(const fs::path& folder, bool withHidden = false) {
    EmulatedPlatform platform("/nonexistent-root", {}, EmulatedPlatform::Access::ReadOnly);
    return listFolder(platform, platform.windowsPath(folder.string()), withHidden);
}

FolderEntry entry(std::string name, bool isFolder, std::uint64_t size = 0,
                  std::int64_t modified = 0, bool readOnly = false, bool hidden = false) {
    FolderEntry entry;
    entry.name = std::move(name);
    entry.isFolder = isFolder;
    entry.size = size;
    entry.modified = modified;
    entry.readOnly = readOnly;
    entry.hidden = hidden;
    return entry;
}

std::vector<std::string> names(const FolderListing& listing) {
    std::vector<std::string> out;
    for (const FolderEntry& entry : listing.entries)
        out.push_back(entry.name);
    return out;
}

TEST(FolderListing, FoldersFirstThenNamesWithoutRegardToCase) {
    EmulatedRoot temp;
    const fs::path folder = temp.outside();
    for (const char* file : {"b.txt", "A.jpg", "c.JPG", ".hidden", "B.txt"})
        EmulatedRoot::write(folder / file, "x");
    fs::create_directory(folder / "zeta");
    fs::create_directory(folder / "Alpha");
    fs::create_symlink(folder / "nowhere", folder / "dangling");

    const FolderListing listing = listHost(folder);
    ASSERT_TRUE(listing.ok()) << listing.error;
    EXPECT_EQ(names(listing), (std::vector<std::string>{"Alpha", "zeta", "A.jpg", "B.txt", "b.txt",
                                                        "c.JPG", "dangling"}));
    EXPECT_TRUE(listing.entries[0].isFolder);
    EXPECT_EQ(names(listHost(folder, true)).size(), 8u) << "hidden entries when asked for";
}

TEST(FolderListing, ABadFolderSaysWhyInWords) {
    EmulatedRoot temp;
    EXPECT_EQ(listHost(temp.outside() / "missing").error, "ファイルまたはフォルダが見つかりません");
    EmulatedRoot::write(temp.outside() / "file", "x");
    EXPECT_EQ(listHost(temp.outside() / "file").error, "パスの途中がフォルダではありません");
    if (::geteuid() != 0) { // root reads every folder
        fs::create_directory(temp.outside() / "closed");
        ::chmod((temp.outside() / "closed").c_str(), 0);
        EXPECT_EQ(listHost(temp.outside() / "closed").error, "アクセスが拒否されました");
    }
    EmulatedPlatform platform("/nonexistent-root", {}, EmulatedPlatform::Access::ReadOnly);
    EXPECT_EQ(listFolder(platform, "Q:\\").error, "このパスはこのシステムにありません");
}

TEST(FolderListing, DetailsAsTheColumnsShowThem) {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    const FolderEntry photo = entry("Photo.JPG", false, 1025, 1796601600);
    EXPECT_EQ(detailOf(photo, Name), "Photo.JPG");
    EXPECT_EQ(detailOf(photo, Size), "2 KB");
    EXPECT_EQ(detailOf(photo, Type), "JPEG イメージ");
    EXPECT_EQ(detailOf(photo, Modified), "2026/12/07 00:00");
    EXPECT_EQ(detailOf(photo, Attributes), "A");
    EXPECT_EQ(detailOf(photo, 5), "");

    const FolderEntry locked = entry(".cfg", false, 0, 0, true, true);
    EXPECT_EQ(detailOf(locked, Size), "0 KB");
    EXPECT_EQ(detailOf(locked, Attributes), "RHA");
    EXPECT_EQ(typeName(locked), "ファイル");
    EXPECT_EQ(typeName(entry("0.lmv", false)), "LMV ファイル");
    const FolderEntry folder = entry("Web", true);
    EXPECT_EQ(detailOf(folder, Size), "");
    EXPECT_EQ(detailOf(folder, Attributes), "");
    EXPECT_EQ(typeName(folder), "ファイル フォルダ");

    EXPECT_EQ(columnTitle(Modified), "更新日時");
    EXPECT_EQ(columnTitle(Attributes), "属性");
    EXPECT_EQ(columnTitle(5), "") << "the page's column loop stops here";
    EXPECT_EQ(detailOf(entry("big", false, 1234567 * 1024ull), Size), "1,234,567 KB");
}

TEST(FolderListing, DatesAreLocalTimeInEveryZone) {
    const char* before = std::getenv("TZ");
    const std::string saved = before ? before : "";
    const auto date = [](std::int64_t seconds) {
        return detailOf(entry("x", false, 0, seconds), Modified);
    };
    // 2026-12-07 00:00 UTC, then minutes within and across quarter hours.
    const std::int64_t midnight = 1796601600;
    ::setenv("TZ", "Asia/Kathmandu", 1); // +5:45
    ::tzset();
    EXPECT_EQ(date(midnight), "2026/12/07 05:45");
    EXPECT_EQ(date(midnight + 14 * 60 + 59), "2026/12/07 05:59");
    EXPECT_EQ(date(midnight + 15 * 60), "2026/12/07 06:00");
    ::setenv("TZ", "Europe/Berlin", 1); // summer time ends 2026-10-25 01:00 UTC
    ::tzset();
    EXPECT_EQ(date(1792890000 - 60), "2026/10/25 02:59");
    EXPECT_EQ(date(1792890000), "2026/10/25 02:00");
    EXPECT_EQ(date(1792890000 + 7 * 60), "2026/10/25 02:07");
    if (before)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

TEST(FolderListing, AnInternetShortcutsTipIsItsAddress) {
    EmulatedRoot temp;
    EmulatedRoot::write(temp.outside() / "site.url",
                        "[InternetShortcut]\r\nURL=http://example.org/page\r\n");
    const FolderListing listing = listHost(temp.outside());
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(detailOf(listing.entries[0], InfoTip), "http://example.org/page");
    EXPECT_EQ(typeName(listing.entries[0]), "インターネット ショートカット");
}

TEST(FolderListing, AFoldersFirstEntriesWithTheirDetailsAndTheRestAfter) {
    EmulatedRoot temp;
    const fs::path folder = temp.outside();
    fs::create_directory(folder / "Folder");
    EmulatedRoot::write(folder / "a.txt", "abc");
    EmulatedRoot::write(folder / "B.jpg", std::string(2048, 'x'));
    EmulatedRoot::write(folder / "c.txt", "abcdef");
    EmulatedRoot::write(folder / "z.url", "[InternetShortcut]\r\nURL=http://example.org/\r\n");
    EmulatedPlatform platform("/nonexistent-root", {}, EmulatedPlatform::Access::ReadOnly);
    const std::string path = platform.windowsPath(folder.string());
    const FolderListing whole = listFolder(platform, path);
    EXPECT_TRUE(whole.detailed());

    FolderListing first = listFolder(platform, path, false, 3);
    EXPECT_EQ(names(first), names(whole)) << "the same order, without the details to sort by";
    EXPECT_EQ(first.detailedEntries, 3u);
    EXPECT_FALSE(first.detailed());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(first.entries[i], whole.entries[i]) << first.entries[i].name;
    EXPECT_EQ(first.entries[2].size, 2048u);
    EXPECT_EQ(first.entries[4].size, 0u);
    EXPECT_EQ(detailOf(first.entries[4], InfoTip), "");

    readDetails(platform, path, first, 1);
    EXPECT_EQ(first.detailedEntries, 3u) << "those read stay read";
    readDetails(platform, path, first, 4);
    EXPECT_EQ(first.detailedEntries, 4u);
    EXPECT_EQ(first.entries[3].size, 6u);
    readDetails(platform, path, first);
    EXPECT_EQ(first, whole);
    EXPECT_EQ(detailOf(first.entries[4], InfoTip), "http://example.org/");
}

TEST(FolderListing, SizesAsTheStatusBarShowsThem) {
    EXPECT_EQ(shortSizeText(0), "0 バイト");
    EXPECT_EQ(shortSizeText(1023), "1023 バイト");
    EXPECT_EQ(shortSizeText(1024), "1.00 KB");
    EXPECT_EQ(shortSizeText(12800), "12.5 KB");
    EXPECT_EQ(shortSizeText(1023 * 1024), "0.99 MB");
    EXPECT_EQ(shortSizeText(1290000), "1.23 MB");
    EXPECT_EQ(groupedNumber(1234567), "1,234,567");
    EXPECT_EQ(groupedNumber(999), "999");
}

} // namespace
