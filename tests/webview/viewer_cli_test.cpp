// lumivane-webview run as a user runs it: its exit status, its messages, the picture it writes.
#include "cli/run_cli.h"
#include "support/emulated_root.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using lumivane::testing::CliRun;
using lumivane::testing::EmulatedRoot;
namespace fs = std::filesystem;

class ViewerCli : public ::testing::Test {
protected:
    CliRun run(const std::vector<std::string>& args) {
        return lumivane::testing::runProgram(LUMIVANE_WEBVIEW, args, system.root(),
                                             system.outside() / "stdout",
                                             system.outside() / "stderr");
    }
    /// Sets the system up with its standard template, as lumivane-cli restore does.
    void restore() {
        ASSERT_EQ(lumivane::testing::runProgram(LUMIVANE_CLI, {"restore"}, system.root(),
                                                system.outside() / "stdout",
                                                system.outside() / "stderr")
                      .status,
                  0);
    }
    std::string folder() {
        fs::create_directories(system.outside() / "docs");
        EmulatedRoot::write(system.outside() / "docs" / "a.txt", "abc");
        return (system.outside() / "docs").string();
    }
    std::string png() const { return (system.outside() / "shot.png").string(); }

    EmulatedRoot system;
};

TEST_F(ViewerCli, BadArgumentsGetOneLineAndStatusTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--png"},
                                               {"a", "b"},
                                               {"--size", "10x10", "--png", png()},
                                               {"--second", "60", "--png", png()},
                                               {"--info"},
                                               {"--frobnicate"}}) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 2) << args.front();
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_TRUE(result.err.starts_with("lumivane-webview: ")) << result.err;
    }
    EXPECT_FALSE(fs::exists(png()));
    EXPECT_FALSE(fs::exists(system.root())) << "the viewer never sets a system up";

    EXPECT_EQ(run({"--version"}).out, "lumivane-webview 1.4.0\n");
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--png", "--size", "--second", "--select", "--info", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST_F(ViewerCli, AShotOfAFolderWithItsSelectionAndInfo) {
    restore();
    const std::string before = EmulatedRoot::read(system.web() / "folder.htt");
    const CliRun result =
        run({folder(), "--png", png(), "--size", "640x480", "--select", "a.txt", "--info"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(result.out.starts_with("<b>a.txt</b><br>テキスト ドキュメント")) << result.out;
    const QImage shot(QString::fromStdString(png()));
    EXPECT_EQ(shot.size(), QSize(640, 480));
    EXPECT_EQ(EmulatedRoot::read(system.web() / "folder.htt"), before);

    const CliRun unknown = run({folder(), "--png", png(), "--select", "missing.txt"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("--select: 'missing.txt'"), std::string::npos) << unknown.err;
}

TEST_F(ViewerCli, ScriptErrorsAreToldWithTheirLinesAndStatusOne) {
    restore();
    std::string page = EmulatedRoot::read(system.web() / "folder.htt");
    const std::string init = "function Init() {\r\n";
    page.replace(page.find(init), init.size(), init + "  noSuchFunction();\r\n");
    EmulatedRoot::write(system.web() / "folder.htt", page);
    const long line =
        std::count(page.begin(), page.begin() + page.find("noSuchFunction"), '\n') + 1;
    const CliRun result = run({folder(), "--png", png()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "lumivane-webview: ページのスクリプトのエラー (" + std::to_string(line) +
                              " 行): Uncaught ReferenceError: noSuchFunction is not defined\n");
    EXPECT_TRUE(fs::exists(png())) << "the page is drawn all the same";
}

TEST_F(ViewerCli, AFolderOrTemplateThatCannotBeReadIsToldWithStatusOne) {
    // No system at all: no template; the plain file list is drawn and nothing is set up.
    const CliRun noSystem = run({folder(), "--png", png()});
    EXPECT_EQ(noSystem.status, 1);
    EXPECT_NE(noSystem.err.find("folder.htt を読めません: C:\\WINDOWS\\Web\\folder.htt"),
              std::string::npos)
        << noSystem.err;
    EXPECT_TRUE(fs::exists(png()));
    EXPECT_FALSE(fs::exists(system.root()));

    restore();
    const CliRun noFolder = run({(system.outside() / "nowhere").string(), "--png", png()});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_NE(noFolder.err.find("フォルダを読めません: Z:"), std::string::npos) << noFolder.err;
    EXPECT_NE(noFolder.err.find("(ファイルまたはフォルダが見つかりません)"), std::string::npos)
        << noFolder.err;
}

} // namespace
