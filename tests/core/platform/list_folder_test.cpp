// Listing a folder, run against every platform implementation.
#include "platform_under_test.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>

namespace {

using lumivane::platform::FolderItem;
using lumivane::testing::PlatformUnderTest;

class ListFolder : public ::testing::Test {
protected:
    /// The Windows path of `name` in the scratch folder.
    std::string in(std::string_view name) const { return put.scratch() + "\\" + std::string(name); }
    static void sortByName(std::vector<FolderItem>& items) {
        std::sort(items.begin(), items.end(),
                  [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
    }

    PlatformUnderTest put;
    lumivane::platform::Platform& p = put.platform();
};

TEST_F(ListFolder, GivesEveryEntryWithItsKindSizeTimeAndAttributes) {
    ASSERT_TRUE(p.replaceFile(in("a.txt"), "abc"));
    ASSERT_TRUE(p.replaceFile(in("写真.jpg"), std::string(5000, 'x')));
    ASSERT_TRUE(p.createFolder(in("sub")));
    put.setReadOnly(in("a.txt"), true);

    std::vector<FolderItem> items{FolderItem{"stale"}};
    ASSERT_TRUE(p.listFolder(put.scratch(), items));
    put.setReadOnly(in("a.txt"), false);
    sortByName(items);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, "a.txt");
    EXPECT_EQ(items[0].size, 3u);
    EXPECT_TRUE(items[0].readOnly);
    EXPECT_FALSE(items[0].isFolder);
    EXPECT_EQ(items[1].name, "sub");
    EXPECT_TRUE(items[1].isFolder);
    EXPECT_EQ(items[1].size, 0u);
    EXPECT_EQ(items[2].name, "写真.jpg");
    EXPECT_EQ(items[2].size, 5000u);
    EXPECT_FALSE(items[2].readOnly);
    const std::int64_t now = std::time(nullptr);
    for (const FolderItem& item : items) {
        EXPECT_LE(std::abs(item.modified - now), 3600) << item.name;
        EXPECT_FALSE(item.hidden) << item.name;
    }

    const lumivane::Status missing = p.listFolder(in("missing"), items);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, "ファイルまたはフォルダが見つかりません");
    EXPECT_EQ(missing.path, in("missing"));
    EXPECT_TRUE(items.empty());
}

TEST_F(ListFolder, NamesFirstThenTheDetailsOfTheEntriesWanted) {
    ASSERT_TRUE(p.replaceFile(in("a.txt"), "abc"));
    ASSERT_TRUE(p.replaceFile(in("b.txt"), std::string(5000, 'x')));
    ASSERT_TRUE(p.replaceFile(in("gone.txt"), "x"));
    ASSERT_TRUE(p.createFolder(in("sub")));
    put.setReadOnly(in("b.txt"), true);
    std::vector<FolderItem> whole;
    ASSERT_TRUE(p.listFolder(put.scratch(), whole));
    sortByName(whole);
    std::vector<FolderItem> items;
    ASSERT_TRUE(p.listFolderNames(put.scratch(), items));
    sortByName(items);
    ASSERT_EQ(items.size(), 4u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].name, whole[i].name);
        EXPECT_EQ(items[i].isFolder, whole[i].isFolder) << items[i].name;
        EXPECT_EQ(items[i].hidden, whole[i].hidden) << items[i].name;
        if (!items[i].detailed) {
            EXPECT_EQ(items[i].size, 0u) << items[i].name;
            EXPECT_EQ(items[i].modified, 0) << items[i].name;
        }
    }

    // The details of the entries asked for, as listFolder tells them; an entry gone
    // meanwhile has its details too (none, if they were still to be read); another stays.
    ASSERT_EQ(std::remove(p.hostPath(in("gone.txt"))->c_str()), 0);
    const bool subDetailed = items[3].detailed;
    const std::vector<FolderItem*> wanted{&items[0], &items[1], &items[2]};
    p.readDetails(put.scratch(), wanted);
    put.setReadOnly(in("b.txt"), false);
    EXPECT_EQ(items[0], whole[0]);
    EXPECT_EQ(items[1], whole[1]);
    EXPECT_EQ(items[1].size, 5000u);
    EXPECT_TRUE(items[1].readOnly);
    EXPECT_EQ(items[2].name, "gone.txt");
    EXPECT_TRUE(items[2].detailed);
    EXPECT_EQ(items[3].name, "sub");
    EXPECT_EQ(items[3].detailed, subDetailed);
}

} // namespace
