// File operations on Windows paths, run against every platform implementation.
#include "platform_under_test.h"

#include <gtest/gtest.h>

namespace {

using lumivane::testing::PlatformUnderTest;

class FileOperations : public ::testing::Test {
protected:
    PlatformUnderTest put;
    lumivane::platform::Platform& p = put.platform();
    std::string in(std::string_view name) const { return put.scratch() + "\\" + std::string(name); }
};

TEST_F(FileOperations, WindowsDirectoryIsAnExistingFolderWithoutTrailingSeparator) {
    const std::string windows = p.windowsDirectory();
    ASSERT_GE(windows.size(), 3u);
    EXPECT_EQ(windows[1], ':');
    EXPECT_NE(windows.back(), '\\');
    EXPECT_TRUE(p.folderExists(windows));
    EXPECT_FALSE(p.fileExists(windows));
}

TEST_F(FileOperations, ExistenceTellsFilesAndFoldersApart) {
    EXPECT_TRUE(p.folderExists(put.scratch()));
    EXPECT_FALSE(p.fileExists(put.scratch()));
    EXPECT_FALSE(p.fileExists(in("missing.htt")));
    EXPECT_FALSE(p.folderExists(in("missing")));

    ASSERT_TRUE(p.replaceFile(in("a.htt"), "x"));
    EXPECT_TRUE(p.fileExists(in("a.htt")));
    EXPECT_FALSE(p.folderExists(in("a.htt")));
}

TEST_F(FileOperations, CreatesOneFolderLevelOnly) {
    EXPECT_TRUE(p.createFolder(in("leftimage")));
    EXPECT_TRUE(p.folderExists(in("leftimage")));

    const lumivane::Status nested = p.createFolder(in("a\\b"));
    EXPECT_FALSE(nested.ok);
    EXPECT_FALSE(nested.message.empty());
    EXPECT_FALSE(p.folderExists(in("a")));
    EXPECT_FALSE(p.createFolder(in("leftimage"))) << "the folder exists already";
}

TEST_F(FileOperations, CopiesBytesUnchangedAndOverwrites) {
    std::string bytes("GIF89a\0\x01\xFF\r\n\x1A tail", 17);
    ASSERT_TRUE(p.replaceFile(in("a.gif"), bytes));
    ASSERT_TRUE(p.copyFile(in("a.gif"), in("0.lmv")));
    EXPECT_EQ(p.readFile(in("0.lmv")), bytes);

    ASSERT_TRUE(p.replaceFile(in("b.jpg"), "short"));
    ASSERT_TRUE(p.copyFile(in("b.jpg"), in("0.lmv")));
    EXPECT_EQ(p.readFile(in("0.lmv")), "short");
    EXPECT_EQ(put.folderEntries(put.scratch()),
              (std::vector<std::string>{"0.lmv", "a.gif", "b.jpg"}));
}

TEST_F(FileOperations, FailedCopiesSayWhyAndTouchNothing) {
    ASSERT_TRUE(p.replaceFile(in("0.lmv"), "old"));
    const lumivane::Status missing = p.copyFile(in("gone.jpg"), in("0.lmv"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.message.empty());
    EXPECT_EQ(p.readFile(in("0.lmv")), "old");

    ASSERT_TRUE(p.replaceFile(in("a.jpg"), "new"));
    EXPECT_FALSE(p.copyFile(in("a.jpg"), in("nowhere\\0.lmv")));
    EXPECT_FALSE(p.copyFile(put.scratch(), in("1.lmv"))) << "a folder is not a file";
    EXPECT_FALSE(p.fileExists(in("1.lmv")));
}

TEST_F(FileOperations, ReplacesWholeAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(p.replaceFile(in("folder.htt"), std::string(5000, 'a')));
    ASSERT_TRUE(p.replaceFile(in("folder.htt"), "<html>\r\n"));
    EXPECT_EQ(p.readFile(in("folder.htt")), "<html>\r\n");
    ASSERT_TRUE(p.replaceFile(in("folder.htt"), ""));
    EXPECT_EQ(p.readFile(in("folder.htt")), "");
    EXPECT_EQ(put.folderEntries(put.scratch()), std::vector<std::string>{"folder.htt"});
}

TEST_F(FileOperations, ReadOnlyFilesAreNeitherReplacedNorOverwritten) {
    ASSERT_TRUE(p.replaceFile(in("folder.htt"), "standard"));
    ASSERT_TRUE(p.replaceFile(in("pic.bmp"), "BM"));
    put.setReadOnly(in("folder.htt"), true);

    const lumivane::Status replaced = p.replaceFile(in("folder.htt"), "mine");
    EXPECT_FALSE(replaced.ok);
    EXPECT_FALSE(replaced.message.empty());
    EXPECT_FALSE(p.copyFile(in("pic.bmp"), in("folder.htt")));
    EXPECT_EQ(p.readFile(in("folder.htt")), "standard");
    EXPECT_EQ(put.folderEntries(put.scratch()),
              (std::vector<std::string>{"folder.htt", "pic.bmp"}));
    put.setReadOnly(in("folder.htt"), false);
}

TEST_F(FileOperations, ReadingSomethingThatIsNoFileGivesNothing) {
    EXPECT_FALSE(p.readFile(in("missing.htt")).has_value());
    EXPECT_FALSE(p.readFile(put.scratch()).has_value());
}

TEST_F(FileOperations, JapaneseNamesWork) {
    ASSERT_TRUE(p.createFolder(in("画像")));
    ASSERT_TRUE(p.replaceFile(in("画像\\写真１.jpg"), "\xFF\xD8"));
    ASSERT_TRUE(p.copyFile(in("画像\\写真１.jpg"), in("画像\\0.lmv")));
    EXPECT_TRUE(p.fileExists(in("画像\\写真１.jpg")));
    EXPECT_EQ(p.readFile(in("画像\\0.lmv")), "\xFF\xD8");
}

TEST_F(FileOperations, HostAndWindowsPathsRoundTrip) {
    ASSERT_TRUE(p.replaceFile(in("a.bmp"), "BM"));
    const std::optional<std::string> host = p.hostPath(in("a.bmp"));
    ASSERT_TRUE(host.has_value());
    EXPECT_EQ(p.windowsPath(*host), in("a.bmp"));
    EXPECT_TRUE(p.fileExists(p.windowsPath(*host)));
}

} // namespace
