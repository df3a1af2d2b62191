// Listing a folder, run against every platform implementation.
#include "platform_under_test.h"

#include <algorithm>
#include <ctime>
#include <gtest/gtest.h>

namespace {

using lumivane::platform::FolderItem;
using lumivane::testing::PlatformUnderTest;

TEST(ListFolder, GivesEveryEntryWithItsKindSizeTimeAndAttributes) {
    PlatformUnderTest put;
    lumivane::platform::Platform& p = put.platform();
    const auto in = [&](std::string_view name) { return put.scratch() + "\\" + std::string(name); };
    ASSERT_TRUE(p.replaceFile(in("a.txt"), "abc"));
    ASSERT_TRUE(p.replaceFile(in("写真.jpg"), std::string(5000, 'x')));
    ASSERT_TRUE(p.createFolder(in("sub")));
    put.setReadOnly(in("a.txt"), true);

    std::vector<FolderItem> items{FolderItem{"stale"}};
    ASSERT_TRUE(p.listFolder(put.scratch(), items));
    put.setReadOnly(in("a.txt"), false);
    std::sort(items.begin(), items.end(),
              [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
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

} // namespace
