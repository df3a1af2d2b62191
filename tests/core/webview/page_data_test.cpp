// A folder's entries as the page's file list takes them: every text that many entries share
// travels once, each entry keeps its own, and the page's script reads names as they are.
#include "webview/page_data.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace lumivane::webview;

FolderEntry file(std::string name, std::uint64_t size, std::int64_t modified) {
    FolderEntry entry;
    entry.name = std::move(name);
    entry.size = size;
    entry.modified = modified;
    return entry;
}

/// The text as the script writes it, in double quotes.
std::string quoted(const std::string& text) {
    std::string out(1, '"');
    out += text;
    out += '"';
    return out;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(PageEntries, TextsManyEntriesShareTravelOnceAndNamesEach) {
    FolderListing listing;
    FolderEntry folder;
    folder.name = "photos";
    folder.isFolder = true;
    listing.entries.push_back(folder);
    for (int i = 0; i < 500; ++i)
        listing.entries.push_back(file("p" + std::to_string(i).append(".jpg"), 100, 1'700'000'000));
    listing.entries.push_back(file("notes.TXT", 5000, 1'700'000'000));
    const PageEntries page = pageEntries(listing);

    for (const std::string& text :
         {detailOf(listing.entries[1], Type), detailOf(listing.entries[1], Size),
          detailOf(listing.entries[1], Modified)})
        EXPECT_EQ(occurrences(page.script, quoted(text)), 1u) << text;
    EXPECT_EQ(occurrences(page.script, "\"p499.jpg\""), 1u);
    EXPECT_EQ(occurrences(page.script, quoted(detailOf(listing.entries.back(), Type))), 1u);
    // Written out whole, each photo's own texts would take some 70 bytes of script.
    EXPECT_LT(page.script.size(), 500u * 32);

    // One entry of each kind, in the order met, to find its icon by.
    EXPECT_EQ(page.kinds, (std::vector<std::string>{"/", "jpg", "txt"}));
    EXPECT_EQ(page.exampleOfKind, (std::vector<std::size_t>{0, 1, 501}));
    // The folder is marked in the string of kinds, one character an entry.
    std::string folders = "\"folders\":\"1";
    folders.append(501, '0');
    folders += '"';
    EXPECT_NE(page.script.find(folders), std::string::npos);
}

TEST(PageEntries, NamesReachTheScriptAsTheyAre) {
    FolderListing listing;
    listing.entries.push_back(file("a\"b\\c</script>.txt", 1, 0));
    listing.entries.push_back(file(std::string("bad\xff.bmp"), 1, 0)); // not UTF-8
    const PageEntries page = pageEntries(listing);
    // Quotes and backslashes escaped, no "</" to end a script, a stray byte kept.
    EXPECT_NE(page.script.find(R"("a\"b\\c\u003c/script>.txt")"), std::string::npos);
    EXPECT_NE(page.script.find(R"("bad\udcff.bmp")"), std::string::npos);
    EXPECT_EQ(page.script.find("</script"), std::string::npos);
}

TEST(PageEntries, TheFirstEntriesAloneKnowTheWholeCount) {
    FolderListing listing;
    for (int i = 0; i < 10; ++i) {
        std::string name = "f"; // built in steps: GCC 12 warns wrongly of "f" + text
        name += std::to_string(i);
        listing.entries.push_back(file(name + (i < 5 ? ".txt" : ".jpg"), 1, 0));
    }
    const PageEntries first = pageEntries(listing, 5);
    EXPECT_EQ(first.entries, 5u);
    EXPECT_NE(first.script.find("\"count\":10,"), std::string::npos);
    EXPECT_NE(first.script.find("\"f4.txt\""), std::string::npos);
    EXPECT_EQ(first.script.find("\"f5.jpg\""), std::string::npos);
    EXPECT_EQ(first.kinds, std::vector<std::string>{"txt"}); // the pictures come later

    const PageEntries all = pageEntries(listing, 50);
    EXPECT_EQ(all.entries, 10u);
    EXPECT_EQ(all.script, pageEntries(listing).script);
    EXPECT_EQ(all.kinds, (std::vector<std::string>{"txt", "jpg"}));
}

TEST(PageEntries, AnEmptyFolderIsAnEmptyList) {
    const PageEntries page = pageEntries(FolderListing{});
    EXPECT_NE(page.script.find("\"names\":[]"), std::string::npos);
    EXPECT_TRUE(page.kinds.empty());
}

} // namespace
