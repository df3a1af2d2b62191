// The folder as the file list shows it: order, details, types and sizes.
#include "support/emulated_root.h"
#include "webview/folder_listing.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace lumivane::webview;
using lumivane::testing::EmulatedRoot;
namespace fs = std::filesystem;

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

    const FolderListing listing = listFolder(folder);
    ASSERT_TRUE(listing.ok()) << listing.error;
    EXPECT_EQ(names(listing), (std::vector<std::string>{"Alpha", "zeta", "A.jpg", "B.txt", "b.txt",
                                                        "c.JPG", "dangling"}));
    EXPECT_TRUE(listing.entries[0].isFolder);
    EXPECT_EQ(names(listFolder(folder, true)).size(), 8u) << "hidden entries when asked for";
}

TEST(FolderListing, ABadFolderSaysWhyInWords) {
    EmulatedRoot temp;
    EXPECT_EQ(listFolder(temp.outside() / "missing").error, "フォルダが見つかりません");
    EmulatedRoot::write(temp.outside() / "file", "x");
    EXPECT_EQ(listFolder(temp.outside() / "file").error, "フォルダではありません");
    if (::geteuid() != 0) { // root reads every folder
        fs::create_directory(temp.outside() / "closed");
        ::chmod((temp.outside() / "closed").c_str(), 0);
        EXPECT_EQ(listFolder(temp.outside() / "closed").error, "フォルダを読む権限がありません");
    }
}

TEST(FolderListing, DetailsAsTheColumnsShowThem) {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    FolderEntry photo{"Photo.JPG", false, 1025, 1796601600, false, false, ""};
    EXPECT_EQ(detailOf(photo, Name), "Photo.JPG");
    EXPECT_EQ(detailOf(photo, Size), "2 KB");
    EXPECT_EQ(detailOf(photo, Type), "JPEG イメージ");
    EXPECT_EQ(detailOf(photo, Modified), "2026/12/07 00:00");
    EXPECT_EQ(detailOf(photo, Attributes), "A");
    EXPECT_EQ(detailOf(photo, 5), "");

    FolderEntry locked{".cfg", false, 0, 0, true, true, ""};
    EXPECT_EQ(detailOf(locked, Size), "0 KB");
    EXPECT_EQ(detailOf(locked, Attributes), "RHA");
    EXPECT_EQ(typeName(locked), "ファイル");
    EXPECT_EQ(typeName({"0.lmv"}), "LMV ファイル");
    FolderEntry folder{"Web", true};
    EXPECT_EQ(detailOf(folder, Size), "");
    EXPECT_EQ(detailOf(folder, Attributes), "");
    EXPECT_EQ(typeName(folder), "ファイル フォルダ");

    EXPECT_EQ(columnTitle(Modified), "更新日時");
    EXPECT_EQ(columnTitle(Attributes), "属性");
    EXPECT_EQ(columnTitle(5), "") << "the page's column loop stops here";
    EXPECT_EQ(detailOf({"big", false, 1234567 * 1024ull}, Size), "1,234,567 KB");
}

TEST(FolderListing, AnInternetShortcutsTipIsItsAddress) {
    EmulatedRoot temp;
    EmulatedRoot::write(temp.outside() / "site.url",
                        "[InternetShortcut]\r\nURL=http://example.org/page\r\n");
    const FolderListing listing = listFolder(temp.outside());
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(detailOf(listing.entries[0], InfoTip), "http://example.org/page");
    EXPECT_EQ(typeName(listing.entries[0]), "インターネット ショートカット");
}

TEST(FolderListing, SizesAndPicturesAsTheStatusBarAndThumbnailSeeThem) {
    EXPECT_EQ(shortSizeText(0), "0 バイト");
    EXPECT_EQ(shortSizeText(1023), "1023 バイト");
    EXPECT_EQ(shortSizeText(1024), "1.00 KB");
    EXPECT_EQ(shortSizeText(12800), "12.5 KB");
    EXPECT_EQ(shortSizeText(1023 * 1024), "0.99 MB");
    EXPECT_EQ(shortSizeText(1290000), "1.23 MB");
    EXPECT_EQ(groupedNumber(1234567), "1,234,567");
    EXPECT_EQ(groupedNumber(999), "999");
    for (const char* picture : {"a.bmp", "B.JPG", "c.jpeg", "d.Gif", "e.png", "f.jpe"})
        EXPECT_TRUE(isPictureName(picture)) << picture;
    for (const char* other : {"a.lmv", "png", ".png", "a.tiff", "a.png.txt"})
        EXPECT_FALSE(isPictureName(other)) << other;
}

} // namespace
