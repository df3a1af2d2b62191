// lumivane-webview run as a user runs it: its exit status, its messages, the picture it writes.
#include "cli/run_cli.h"
#include "platform/codepage.h"
#include "support/emulated_root.h"

#include <QImage>
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <thread>

namespace {

using lumivane::testing::CliRun;
using lumivane::testing::EmulatedRoot;
namespace fs = std::filesystem;

class ViewerCli : public ::testing::Test {
protected:
    /// The viewer as a user runs it; one that has not ended after a minute never would.
    CliRun run(const std::vector<std::string>& args, std::vector<std::string> environment = {}) {
        return lumivane::testing::runProgram(
            LUMIVANE_WEBVIEW, args, system.root(), system.outside() / "stdout",
            system.outside() / "stderr", {std::move(environment), 60});
    }
    /// The standard page with these lines at the start of its Init function.
    void initDoes(const std::string& lines) {
        std::string page = EmulatedRoot::read(system.web() / "folder.htt");
        const std::string init = "function Init() {\r\n";
        page.replace(page.find(init), init.size(),
                     init + lumivane::platform::toCp932(lines) + "\r\n");
        EmulatedRoot::write(system.web() / "folder.htt", page);
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
                                               {"--frobnicate"},
                                               {"http://example.org/"},
                                               {"http://example.org/", "--png", png()}}) {
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
        run({folder(), "--png=" + png(), "--size=640x480", "--select", "a.txt", "--info"});
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

TEST_F(ViewerCli, EverySizeTheUsageAllowsIsShot) {
    restore();
    for (const QSize size : {QSize(800, 100), QSize(100, 100), QSize(100, 900)}) {
        const std::string text = std::to_string(size.width()) + "x" + std::to_string(size.height());
        const CliRun result = run({folder(), "--png", png(), "--size", text});
        EXPECT_EQ(result.status, 0) << text << ": " << result.err;
        EXPECT_EQ(QImage(QString::fromStdString(png())).size(), size) << text;
        fs::remove(png());
    }
}

TEST_F(ViewerCli, APageThatNeverSettlesEndsWithItsMessage) {
    restore();
    initDoes("  for (;;) {}");
    const CliRun result = run({folder(), "--png", png()});
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find("ページの配置が"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(png()));
}

TEST_F(ViewerCli, APagesDialogsAreToldAndAnsweredWithoutWaiting) {
    restore();
    initDoes("  L_Prompt_Text = [alert('見て <b>'), confirm('よいですか?'), "
             "prompt('名前は?', '既定')].join('|');");
    const CliRun result = run({folder(), "--png", png(), "--info"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "|false|\n") << "OK, cancel and an empty text";
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 3) << result.err;
    for (const char* said : {"見て <b>", "よいですか?", "名前は?"})
        EXPECT_NE(result.err.find(said), std::string::npos) << result.err;
    EXPECT_TRUE(fs::exists(png()));
}

/// Ends the page's process of the viewer that runs on `root`: the engine's renderers are
/// forked from its zygote and keep its command line, so a renderer is a zygote's child that
/// says it is a zygote, with the viewer's environment. False while there is none yet.
bool endRenderer(const fs::path& root) {
    const std::string wanted = "LUMIVANE_ROOT=" + root.string() + '\0';
    const auto zygote = [](const fs::path& process) {
        return EmulatedRoot::read(process / "cmdline").find("--type=zygote") != std::string::npos;
    };
    for (const fs::directory_entry& process : fs::directory_iterator("/proc")) {
        if (!zygote(process.path()) ||
            EmulatedRoot::read(process.path() / "environ").find(wanted) == std::string::npos)
            continue;
        // The parent's number is the fourth field of stat, after the name in parentheses.
        const std::string stat = EmulatedRoot::read(process.path() / "stat");
        const std::size_t close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream fields(stat.substr(close + 2));
        std::string state;
        int parent = 0;
        fields >> state >> parent;
        if (parent > 0 && zygote(fs::path("/proc") / std::to_string(parent)))
            return ::kill(std::stoi(process.path().filename().string()), SIGKILL) == 0;
    }
    return false;
}

TEST_F(ViewerCli, ARendererThatEndsEndsTheShotWithStatusOne) {
    restore();
    initDoes("  for (;;) {}"); // the shot waits until the page's process ends
    std::atomic<bool> ended = false;
    std::thread hunter([&] {
        for (int tries = 0; tries < 600 && !ended; ++tries) {
            ended = endRenderer(system.root());
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    const CliRun result = run({folder(), "--png", png()});
    ended = true;
    hunter.join();
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find("ページを表示するプロセスが終わりました"), std::string::npos)
        << result.err;
}

TEST_F(ViewerCli, AWindowOnADisplayLeavesNothingBehind) {
    if (!fs::exists("/usr/bin/Xvfb"))
        GTEST_SKIP() << "no Xvfb to draw on";
    restore();
    // An X server of its own, drawn with OpenGL as a desktop would.
    const std::string display = ":" + std::to_string(300 + ::getpid() % 300);
    pid_t server = 0;
    const char* argv[] = {"Xvfb", display.c_str(), "-nolisten", "tcp", nullptr};
    ASSERT_EQ(
        posix_spawn(&server, "/usr/bin/Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ),
        0);
    const fs::path socket = "/tmp/.X11-unix/X" + display.substr(1);
    for (int tries = 0; tries < 100 && !fs::exists(socket); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const fs::path home = system.outside() / "user";
    for (const char* place : {"cache", "config", "data"})
        fs::create_directories(home / place);
    // Under AddressSanitizer, what the OpenGL driver still holds at exit is not the viewer's
    // (the leak checker cannot even trace it: its unwinding stops in the driver's code); the
    // viewer's own allocations are checked by every offscreen run.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    const CliRun result =
        run({folder(), "--png", png()},
            {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + display, "HOME=" + home.string(),
             "XDG_CACHE_HOME=" + (home / "cache").string(),
             "XDG_CONFIG_HOME=" + (home / "config").string(),
             "XDG_DATA_HOME=" + (home / "data").string(),
             "ASAN_OPTIONS=" + std::string(sanitizer ? sanitizer : "") + ":detect_leaks=0"});
    ::kill(server, SIGTERM);
    ::waitpid(server, nullptr, 0);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::exists(png()));
    std::vector<std::string> written;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home)) {
        if (!entry.is_directory())
            written.push_back(entry.path().lexically_relative(home).string());
    }
    EXPECT_TRUE(written.empty()) << written.size() << " files, such as " << written.front();
}

} // namespace
