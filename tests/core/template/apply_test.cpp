// Apply and restore end to end on a temporary emulated system.
#include "support/disk_full_platform.h"
#include "support/emulated_root.h"
#include "support/faulty_platform.h"
#include "template/apply.h"
#include "template/template_text.h"
#include "windows/progress_bar.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using lumivane::testing::DiskFullHalfWay;

namespace fs = std::filesystem;
using lumivane::ApplyResult;
using lumivane::ApplyTemplate;
using lumivane::CopyPictureStock;
using lumivane::TemplateInput;
using lumivane::TemplateOptions;
using lumivane::platform::EmulatedPlatform;
using lumivane::testing::EmulatedRoot;
using lumivane::testing::FaultyPlatform;

class Apply : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform.folderExists("C:\\WINDOWS\\Web")); // sets the system up
        standard = EmulatedRoot::read(sys.web() / "folder.htt");
    }

    /// A picture file of the user's, outside the emulated drive C:, as a dropped path.
    std::string picture(const std::string& name, std::string_view bytes) {
        const fs::path host = sys.outside() / name;
        EmulatedRoot::write(host, bytes);
        return platform.windowsPath(host.string());
    }

    std::string copy(int index) const {
        return EmulatedRoot::read(sys.web() / "leftimage" / (std::to_string(index) + ".lmv"));
    }

    std::string applyBytes(int imageCount, const TemplateOptions& options = {}) {
        TemplateInput input;
        input.options = options;
        input.imageCount = imageCount;
        input.scriptFolder = "C:\\\\WINDOWS\\\\Web\\\\leftimage\\\\";
        input.programFolder = platform.programFolder();
        return lumivane::templateBytes(input);
    }

    /// What "変更" does: the template, then the copies unless the template failed.
    ApplyResult make(lumivane::platform::Platform& p, const std::vector<std::string>& stock,
                     const TemplateOptions& options = {}) {
        const ApplyResult applied =
            ApplyTemplate(p, false, options, static_cast<int>(stock.size()), leftImageFolder);
        if (applied.failed)
            return applied;
        return CopyPictureStock(p, leftImageFolder, stock, nullptr);
    }

    EmulatedRoot sys;
    EmulatedPlatform platform{sys.root(), lumivane::standardTemplateBytes()};
    std::string standard;
    std::string leftImageFolder;
};

TEST_F(Apply, WithoutWebFolderSaysSoOnTwoLinesAndWritesNothing) {
    fs::remove_all(sys.web());
    for (const bool restore : {false, true}) {
        const ApplyResult result = ApplyTemplate(platform, restore, {}, 1, leftImageFolder);
        EXPECT_TRUE(result.failed);
        EXPECT_EQ(result.message,
                  "WEBファイルが存在しません。Windowsのバージョンを確認してください。\r\n"
                  "Lumivaneは、IE4以上がデスクトップに統合されていないと正しく動作しません。");
        EXPECT_EQ(leftImageFolder, "C:\\WINDOWS\\Web\\leftimage") << "set before the test";
    }
    EXPECT_FALSE(fs::exists(sys.web()));
}

TEST_F(Apply, FirstRestoreBacksUpAndWritesTheStandardTemplate) {
    FaultyPlatform recorder(platform);
    const ApplyResult result =
        ApplyTemplate(recorder, true, TemplateOptions::preset(), 7, leftImageFolder);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.message, "復元完了!!");
    EXPECT_TRUE(fs::is_directory(sys.web() / "leftimage"));
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.lmv"), standard);
    TemplateInput restore;
    restore.restore = true;
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), lumivane::templateBytes(restore));
    EXPECT_EQ(recorder.calls(),
              (std::vector<std::string>{"createFolder C:\\WINDOWS\\Web\\leftimage",
                                        "replaceFile C:\\WINDOWS\\Web\\folder.lmv",
                                        "replaceFile C:\\WINDOWS\\Web\\folder.htt"}));
}

TEST_F(Apply, WritesTheTemplateForTheWindowsDirectorysPaths) {
    const lumivane::WebPaths paths = lumivane::webPaths("C:\\WINDOWS");
    EXPECT_EQ(paths.web, "C:\\WINDOWS\\Web");
    EXPECT_EQ(paths.templateFile, "C:\\WINDOWS\\Web\\folder.htt");
    EXPECT_EQ(paths.backup, "C:\\WINDOWS\\Web\\folder.lmv");
    EXPECT_EQ(paths.leftImageFolder, "C:\\WINDOWS\\Web\\leftimage");
    EXPECT_EQ(lumivane::pictureCopyPath(paths.leftImageFolder, 0),
              "C:\\WINDOWS\\Web\\leftimage\\0.lmv");
    EXPECT_EQ(lumivane::pictureCopyPath(paths.leftImageFolder, 12),
              "C:\\WINDOWS\\Web\\leftimage\\12.lmv");

    TemplateOptions options = TemplateOptions::preset();
    options.txtLinkTitle[0] = "写真フォルダ";
    const ApplyResult result = ApplyTemplate(platform, false, options, 12, leftImageFolder);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.message, "") << "apply leaves the help line as it is";
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), applyBytes(12, options));
}

TEST_F(Apply, SecondApplyKeepsTheBackupAndReplacesTheCopies) {
    ASSERT_FALSE(
        make(platform, {picture("a.jpg", "\xFF\xD8 a"), picture("b.gif", "GIF89a b")}).failed);
    EXPECT_EQ(copy(0), "\xFF\xD8 a");
    EXPECT_EQ(copy(1), "GIF89a b");

    ASSERT_FALSE(make(platform, {picture("c.bmp", "BM c"), picture("d.JPG", "\xFF\xD8 d")}).failed);
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.lmv"), standard)
        << "the backup is the template found first, not one of ours";
    EXPECT_EQ(copy(0), "BM c");
    EXPECT_EQ(copy(1), "\xFF\xD8 d");
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), applyBytes(2));
}

TEST_F(Apply, FewerPicturesLeaveTheHigherCopiesInPlace) {
    std::vector<std::string> five;
    for (int i = 0; i < 5; ++i)
        five.push_back(picture("old" + std::to_string(i) + ".jpg", "old " + std::to_string(i)));
    ASSERT_FALSE(make(platform, five).failed);
    ASSERT_FALSE(make(platform, {picture("n0.gif", "new 0"), picture("n1.gif", "new 1"),
                                 picture("n2.gif", "new 2")})
                     .failed);
    EXPECT_EQ(copy(2), "new 2");
    EXPECT_EQ(copy(3), "old 3");
    EXPECT_EQ(copy(4), "old 4");
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), applyBytes(3));
}

TEST_F(Apply, CopiesEveryEntryByteForByteUnderItsNumber) {
    std::string bmp("BM\0\0\x7F\x80\xFF\r\n", 9);
    std::string jpeg("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11);
    std::string gif("GIF87a\x01\0", 8);
    const std::string same = picture("same.bmp", bmp);
    const std::vector<std::string> stock{same, picture("photo.jpeg.jpg", jpeg), same,
                                         picture("anim.GIF", gif)};
    std::vector<std::pair<int, int>> progress;
    ASSERT_FALSE(ApplyTemplate(platform, false, {}, 4, leftImageFolder).failed);
    const ApplyResult copied =
        CopyPictureStock(platform, leftImageFolder, stock,
                         [&](int done, int total) { progress.emplace_back(done, total); });
    EXPECT_FALSE(copied.failed);
    EXPECT_EQ(copied.message, "");
    EXPECT_EQ(copy(0), bmp);
    EXPECT_EQ(copy(1), jpeg);
    EXPECT_EQ(copy(2), bmp) << "the same path twice is copied twice";
    EXPECT_EQ(copy(3), gif);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
}

TEST_F(Apply, ProgressOfThreeCopiesGrowsTheBarInThirds) {
    const std::string a = picture("a.jpg", "a");
    std::vector<double> widths;
    ASSERT_FALSE(ApplyTemplate(platform, false, {}, 3, leftImageFolder).failed);
    CopyPictureStock(platform, leftImageFolder, std::vector<std::string>{a, a, a},
                     [&](int done, int total) {
                         widths.push_back(lumivane::windows::progressBarWidth(done, total));
                     });
    EXPECT_EQ(widths, (std::vector<double>{1145, 2290, 3435}));
}

TEST_F(Apply, WebFolderWithoutTemplateGoesOnWithoutBackup) {
    fs::remove(sys.web() / "folder.htt");
    const ApplyResult result = ApplyTemplate(platform, false, {}, 1, leftImageFolder);
    EXPECT_FALSE(result.failed);
    EXPECT_FALSE(fs::exists(sys.web() / "folder.lmv"));
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), applyBytes(1));
}

TEST_F(Apply, ReadOnlyWebFolderIsReportedAndChangesNothing) {
    ASSERT_EQ(::chmod(sys.web().c_str(), 0555), 0);
    const ApplyResult result = make(platform, {picture("a.jpg", "a")});
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.message, "画像フォルダ「leftimage」を作成できませんでした。\r\n"
                              "アクセスが拒否されました。");
    EXPECT_EQ(result.whole,
              "画像フォルダ「C:\\WINDOWS\\Web\\leftimage」を作成できませんでした。\r\n"
              "アクセスが拒否されました。");
    EXPECT_FALSE(fs::exists(sys.web() / "leftimage"));
    EXPECT_FALSE(fs::exists(sys.web() / "folder.lmv"));
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), standard);
}

TEST_F(Apply, ReadOnlyTemplateIsReportedAndKept) {
    ASSERT_FALSE(ApplyTemplate(platform, true, {}, 1, leftImageFolder).failed);
    const std::string restored = EmulatedRoot::read(sys.web() / "folder.htt");
    ASSERT_EQ(::chmod((sys.web() / "folder.htt").c_str(), 0444), 0);

    const ApplyResult result = make(platform, {picture("a.jpg", "a")});
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.message, "テンプレート「folder.htt」を書き込めませんでした。\r\n"
                              "アクセスが拒否されました。元のテンプレートはそのままです。");
    EXPECT_EQ(result.whole,
              "テンプレート「C:\\WINDOWS\\Web\\folder.htt」を書き込めませんでした。\r\n"
              "アクセスが拒否されました。元のテンプレートはそのままです。");
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), restored);
    EXPECT_FALSE(fs::exists(sys.web() / "leftimage" / "0.lmv")) << "no copies after a failure";
}

TEST_F(Apply, PictureGoneSinceTheDropStopsTheCopiesAndSaysWhich) {
    const std::string a = picture("a.jpg", "a");
    const std::string b = picture("b.jpg", "b");
    const std::string c = picture("c.jpg", "c");
    fs::remove(sys.outside() / "b.jpg");
    int reports = 0;
    ASSERT_FALSE(ApplyTemplate(platform, false, {}, 3, leftImageFolder).failed);
    const ApplyResult result = CopyPictureStock(
        platform, leftImageFolder, std::vector<std::string>{a, b, c}, [&](int, int) { ++reports; });
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.message, "2枚目の画像「b.jpg」をコピーできませんでした。\r\n"
                              "ファイルまたはフォルダが見つかりません。");
    EXPECT_EQ(result.whole,
              "2枚目の画像「" + b +
                  "」をコピーできませんでした。\r\nファイルまたはフォルダが見つかりません。");
    EXPECT_EQ(copy(0), "a");
    EXPECT_FALSE(fs::exists(sys.web() / "leftimage" / "1.lmv"));
    EXPECT_FALSE(fs::exists(sys.web() / "leftimage" / "2.lmv"));
    EXPECT_EQ(reports, 1);
}

TEST_F(Apply, FailedCopyOrBackupIsReportedWithTheOperationsReason) {
    FaultyPlatform faulty(platform);
    faulty.failOn(FaultyPlatform::Op::ReplaceFile, "folder.lmv", "ファイルが使用中です。");
    ApplyResult result = ApplyTemplate(faulty, false, {}, 1, leftImageFolder);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.message, "テンプレートのバックアップ「folder.lmv」を作成できませんでした。\r\n"
                              "ファイルが使用中です。");
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), standard)
        << "no template is written without its backup";

    // The next call tries the backup again.
    result = ApplyTemplate(platform, false, {}, 1, leftImageFolder);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.lmv"), standard);

    FaultyPlatform diskFull(platform);
    diskFull.failOn(FaultyPlatform::Op::CopyFile, "leftimage\\", "ディスクの空き容量が足りません",
                    1);
    result = CopyPictureStock(
        diskFull, leftImageFolder,
        std::vector<std::string>{picture("a.jpg", "a"), picture("b.jpg", "b")}, nullptr);
    EXPECT_EQ(result.message, "2枚目の画像を「1.lmv」にコピーできませんでした。\r\n"
                              "ディスクの空き容量が足りません。");
    EXPECT_EQ(result.whole, "2枚目の画像を「C:\\WINDOWS\\Web\\leftimage\\1.lmv」にコピーできません"
                            "でした。\r\nディスクの空き容量が足りません。");
}

TEST_F(Apply, TemplateWriteFailingHalfWayKeepsTheOldTemplateWhole) {
    EmulatedRoot::write(sys.web() / "folder.lmv", standard); // the backup's write is not cut
    DiskFullHalfWay full(sys.root());
    const ApplyResult result = ApplyTemplate(full, false, {}, 1, leftImageFolder);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.message, "テンプレート「folder.htt」を書き込めませんでした。\r\n"
                              "ディスクの空き容量が足りません。元のテンプレートはそのままです。");
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), standard);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(sys.web()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.htt", "folder.lmv", "leftimage",
                                               "wvleft.bmp", "wvline.gif"}));
}

TEST_F(Apply, TemporaryFilesOfAKilledWriterGoWithTheNextApplyOrRestore) {
    const auto file = [&](const std::string& name, std::chrono::seconds age) {
        const fs::path path = sys.web() / name;
        EmulatedRoot::write(path, "part of a template");
        fs::last_write_time(path, fs::file_time_type::clock::now() - age);
        return path;
    };
    using std::chrono::seconds;
    const fs::path killedTemplate = file(".folder.htt.lumivane-Ab12Cd", seconds(60));
    const fs::path killedBackup = file(".folder.lmv.lumivane-Ef34Gh", seconds(60));
    // A writer that is still at work holds its file's lock, or has only just made it.
    const fs::path held = file(".folder.htt.lumivane-Held01", seconds(60));
    const fs::path young = file(".folder.htt.lumivane-Young1", seconds(0));
    const fs::path users = file(".folder.htt.mine", seconds(60));
    const int writer = ::open(held.c_str(), O_RDONLY);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);

    ASSERT_FALSE(ApplyTemplate(platform, true, {}, 1, leftImageFolder).failed);
    EXPECT_FALSE(fs::exists(killedTemplate));
    EXPECT_FALSE(fs::exists(killedBackup));
    EXPECT_TRUE(fs::exists(held));
    EXPECT_TRUE(fs::exists(young));
    EXPECT_TRUE(fs::exists(users)) << "not a file of ours";

    ::close(writer);
    fs::last_write_time(young, fs::file_time_type::clock::now() - seconds(60));
    ASSERT_FALSE(make(platform, {picture("a.jpg", "a")}).failed);
    EXPECT_FALSE(fs::exists(held));
    EXPECT_FALSE(fs::exists(young));
    EXPECT_TRUE(fs::exists(users));
}

} // namespace
