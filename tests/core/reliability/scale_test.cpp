// The stock at its 32,767-picture limit and 500 apply/restore cycles in a row.
#include "stock/picture_stock.h"
#include "support/emulated_root.h"
#include "template/apply.h"
#include "template/template_text.h"

#include <gtest/gtest.h>
#include <set>

namespace {

namespace fs = std::filesystem;
using lumivane::ApplyResult;
using lumivane::ApplyTemplate;
using lumivane::CopyPictureStock;
using lumivane::platform::EmulatedPlatform;
using lumivane::stock::kMaxPictures;
using lumivane::stock::PictureStock;
using lumivane::testing::EmulatedRoot;

std::string stockPath(int i) {
    return "Z:\\home\\pictures\\" + std::to_string(i) + ".jpg";
}

TEST(StockLimit, PictureBeyond32767IsRefusedAndTheStockStaysAsItWas) {
    PictureStock stock;
    for (int i = 0; i < kMaxPictures; ++i)
        ASSERT_EQ(stock.append(stockPath(i)), i);
    stock.finishDrop();
    ASSERT_TRUE(stock.full());
    const int maximum = stock.scrollMaximum();
    const std::vector<std::string> before = stock.paths();

    EXPECT_EQ(stock.append("Z:\\home\\pictures\\one-more.jpg"), std::nullopt);
    stock.finishDrop();
    EXPECT_EQ(stock.imageCount(), 32767) << "the 16-bit count does not wrap";
    EXPECT_EQ(stock.paths(), before);
    EXPECT_EQ(stock.elementCount(), kMaxPictures);
    EXPECT_EQ(stock.scrollMaximum(), maximum);

    // Removing one makes room for exactly one.
    ASSERT_TRUE(stock.remove(0));
    EXPECT_FALSE(stock.full());
    EXPECT_EQ(stock.append("Z:\\home\\pictures\\last.jpg"), kMaxPictures - 1);
    EXPECT_EQ(stock.append("Z:\\home\\pictures\\too-many.jpg"), std::nullopt);
    EXPECT_EQ(stock.path(0), stockPath(1));
    EXPECT_EQ(stock.path(kMaxPictures - 1), "Z:\\home\\pictures\\last.jpg");
}

TEST(StockLimit, FullStockWritesAPageForAll32767Pictures) {
    EmulatedRoot sys;
    EmulatedPlatform platform(sys.root(), lumivane::standardTemplateBytes());
    PictureStock stock;
    for (int i = 0; i < kMaxPictures; ++i)
        stock.append(stockPath(i));
    std::string folder;
    const ApplyResult result = ApplyTemplate(platform, false, {}, stock.imageCount(), folder);
    EXPECT_FALSE(result.failed) << result.message;
    const std::string page = EmulatedRoot::read(sys.web() / "folder.htt");
    EXPECT_NE(page.find("maximage= 32767;"), std::string::npos);
    EXPECT_EQ(page.find("maximage= -"), std::string::npos);
}

TEST(Cycles, FiveHundredAppliesAndRestoresLeaveExactlyTheExpectedFiles) {
    EmulatedRoot sys;
    EmulatedPlatform platform(sys.root(), lumivane::standardTemplateBytes());
    ASSERT_TRUE(platform.folderExists("C:\\WINDOWS\\Web"));
    const std::string standard = EmulatedRoot::read(sys.web() / "folder.htt");
    std::set<std::string> expected;
    for (const auto& entry : fs::recursive_directory_iterator(sys.web()))
        expected.insert(fs::relative(entry.path(), sys.web()).string());

    std::vector<std::string> stock;
    for (const char* name : {"a.jpg", "b.gif"}) {
        EmulatedRoot::write(sys.outside() / name, std::string("picture ") + name);
        stock.push_back(platform.windowsPath((sys.outside() / name).string()));
    }
    lumivane::TemplateOptions options = lumivane::TemplateOptions::preset();
    for (int cycle = 0; cycle < 500; ++cycle) {
        options.chkShowLine = cycle % 2; // the applied page differs from one cycle to the next
        std::string folder;
        ApplyResult result = ApplyTemplate(platform, false, options, 2, folder);
        ASSERT_FALSE(result.failed) << "cycle " << cycle << ": " << result.message;
        result = CopyPictureStock(platform, folder, stock, nullptr);
        ASSERT_FALSE(result.failed) << "cycle " << cycle << ": " << result.message;
        result = ApplyTemplate(platform, true, options, 2, folder);
        ASSERT_FALSE(result.failed) << "cycle " << cycle << ": " << result.message;
    }

    expected.insert({"folder.lmv", "leftimage", "leftimage/0.lmv", "leftimage/1.lmv"});
    std::set<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(sys.web()))
        found.insert(fs::relative(entry.path(), sys.web()).string());
    EXPECT_EQ(found, expected);
    lumivane::TemplateInput restored;
    restored.restore = true;
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), lumivane::templateBytes(restored));
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.lmv"), standard);
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "leftimage" / "0.lmv"), "picture a.jpg");
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "leftimage" / "1.lmv"), "picture b.gif");
}

} // namespace
