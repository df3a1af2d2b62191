// lumivane-cli apply and restore, run as a user runs them, on a temporary emulated system.
#include "platform/emulated/emulated_platform.h"
#include "run_cli.h"
#include "support/emulated_root.h"
#include "template/option_names.h"
#include "template/template_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using lumivane::testing::EmulatedRoot;

using lumivane::testing::CliRun;

class CliApply : public ::testing::Test {
protected:
    /// Runs lumivane-cli with LUMIVANE_ROOT pointing at this test's system.
    CliRun cli(const std::vector<std::string>& args) {
        return lumivane::testing::runCli(args, sys.root(), sys.outside() / "stdout",
                                         sys.outside() / "stderr");
    }

    /// A picture file of the user's with a proper signature and a tail of its own.
    std::string picture(const std::string& name, std::string_view tail) {
        std::string bytes;
        if (name.ends_with("jpg") || name.ends_with("JPG"))
            bytes = "\xFF\xD8\xFF\xE0";
        else if (name.ends_with("gif"))
            bytes = "GIF89a\x01\0\x01\0\x80\0\0";
        else
            bytes = "BM" + std::string(24, '\0');
        bytes += tail;
        EmulatedRoot::write(sys.outside() / name, bytes);
        return (sys.outside() / name).string();
    }

    std::string copy(int index) const {
        return EmulatedRoot::read(sys.web() / "leftimage" / (std::to_string(index) + ".lmv"));
    }

    std::string expectedTemplate(bool restore, int count,
                                 lumivane::TemplateOptions options = {}) const {
        lumivane::TemplateInput input;
        input.restore = restore;
        input.options = std::move(options);
        input.imageCount = count;
        input.scriptFolder = "C:\\\\WINDOWS\\\\Web\\\\leftimage\\\\";
        input.programFolder =
            lumivane::platform::EmulatedPlatform(sys.root(), lumivane::standardTemplateBytes())
                .windowsPath(fs::path(LUMIVANE_CLI).parent_path().string());
        return lumivane::templateBytes(input);
    }

    std::string standardTemplate() const { return expectedTemplate(true, 1); }

    EmulatedRoot sys;
};

TEST_F(CliApply, AppliesPicturesAndRestoresOnAFreshSystem) {
    const std::string a = picture("a.jpg", "first");
    const std::string b = picture("b.gif", "second");
    CliRun run = cli({"apply", a, b, a});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), expectedTemplate(false, 3));
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.lmv"), standardTemplate());
    EXPECT_EQ(copy(0), EmulatedRoot::read(a));
    EXPECT_EQ(copy(1), EmulatedRoot::read(b));
    EXPECT_EQ(copy(2), EmulatedRoot::read(a));

    run = cli({"restore"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "復元完了!!\n");
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), standardTemplate());
    EXPECT_EQ(copy(2), EmulatedRoot::read(a)) << "restore leaves the copies";
}

TEST_F(CliApply, OptionsShapeTheTemplate) {
    const CliRun run =
        cli({"apply", "--preset", "txtLinkTitle0=写真", "chkShowMsg=1", picture("a.bmp", "x")});
    EXPECT_EQ(run.status, 0) << run.err;
    lumivane::TemplateOptions options = lumivane::TemplateOptions::preset();
    ASSERT_TRUE(lumivane::setOption(options, "txtLinkTitle0", "写真"));
    ASSERT_TRUE(lumivane::setOption(options, "chkShowMsg", "1"));
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), expectedTemplate(false, 1, options));
}

TEST_F(CliApply, BadNameStopsTheDropButAppliesWhatCameBefore) {
    const CliRun run =
        cli({"apply", picture("a.jpg", "a"), picture("notes.txt", ""), picture("b.jpg", "b")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "ファイル形式が不正です\n");
    EXPECT_EQ(copy(0), EmulatedRoot::read(sys.outside() / "a.jpg"));
    EXPECT_FALSE(fs::exists(sys.web() / "leftimage" / "1.lmv"));
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), expectedTemplate(false, 1));
}

TEST_F(CliApply, UnreadablePictureIsLeftOutAndTheRestApplied) {
    EmulatedRoot::write(sys.outside() / "broken.gif", "not a picture");
    const std::string missing = (sys.outside() / "missing.jpg").string();
    const CliRun run = cli({"apply", picture("a.jpg", "a"), (sys.outside() / "broken.gif").string(),
                            missing, picture("b.bmp", "b")});
    EXPECT_EQ(run.status, 1);
    std::string expected =
        "画像として読み込めないファイルです: " +
        lumivane::platform::EmulatedPlatform(sys.root(), lumivane::standardTemplateBytes())
            .windowsPath((sys.outside() / "broken.gif").string()) +
        "\n画像として読み込めないファイルです: " +
        lumivane::platform::EmulatedPlatform(sys.root(), lumivane::standardTemplateBytes())
            .windowsPath(missing) +
        "\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(copy(1), EmulatedRoot::read(sys.outside() / "b.bmp"));
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), expectedTemplate(false, 2));
}

TEST_F(CliApply, NoPictureLeftIsRefusedAndWritesNothing) {
    const CliRun run = cli({"apply", (sys.outside() / "gone.jpg").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("登録された画像がないため、変更できません。"), std::string::npos)
        << run.out;
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), standardTemplate());
    EXPECT_FALSE(fs::exists(sys.web() / "leftimage"));
    EXPECT_FALSE(fs::exists(sys.web() / "folder.lmv"));
}

TEST_F(CliApply, BadArgumentsExitWithTwoAndTouchNothing) {
    const std::string a = picture("a.jpg", "a");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"apply"},
                                                 {"apply", "--bogus", a},
                                                 {"apply", "chkNope=1", a},
                                                 {"apply", "chkShowIcon=5", a},
                                                 {"apply", "cmbInfoSize=11pt", a},
                                                 {"restore", "extra"}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(run.out, "") << args.back();
        EXPECT_NE(run.err, "") << args.back();
    }
    EXPECT_FALSE(fs::exists(sys.root())) << "not even set up";
}

TEST_F(CliApply, FailuresAreReportedWithStatusOne) {
    const std::string a = picture("a.jpg", "a");
    ASSERT_EQ(cli({"restore"}).status, 0);
    ::chmod((sys.web() / "folder.htt").c_str(), 0444);
    CliRun run = cli({"apply", a});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "テンプレート「C:\\WINDOWS\\Web\\folder.htt」を書き込めませんでした。\n"
                       "アクセスが拒否されました。元のテンプレートはそのままです。\n");
    EXPECT_FALSE(fs::exists(sys.web() / "leftimage" / "0.lmv"));

    fs::permissions(sys.web() / "folder.htt", fs::perms::owner_write, fs::perm_options::add);
    fs::remove_all(sys.web());
    for (const char* command : {"apply", "restore"}) {
        run = command == std::string("apply") ? cli({"apply", a}) : cli({"restore"});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.out, "WEBファイルが存在しません。Windowsのバージョンを確認してください。\n"
                           "Lumivaneは、IE4以上がデスクトップに統合されていないと正しく動作"
                           "しません。\n")
            << command;
    }
    EXPECT_FALSE(fs::exists(sys.web()));
}

} // namespace
