#include "run_cli.h"
#include "template/option_names.h"
#include "template/template_text.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace lumivane {
namespace {

using testing::CliRun;
using testing::readAll;

std::filesystem::path tempPath(std::string_view what) {
    return std::filesystem::temp_directory_path() /
           ("lumivane-cli-test-" + std::to_string(::getpid()) + "." + std::string(what));
}

// The emulated system's root for the program: one that does not exist, so the user's own
// stays untouched and a test can see that the program created nothing.
const std::filesystem::path& emulatedRoot() {
    static const std::filesystem::path root = tempPath("root");
    return root;
}

// Runs lumivane-cli with `args`, its standard output and error caught in files.
// Standard output goes to `stdoutPath` when one is given.
CliRun cli(const std::vector<std::string>& args, const char* stdoutPath = nullptr) {
    const auto outPath = tempPath("out");
    const auto errPath = tempPath("err");
    CliRun run;
    run.status = testing::spawnCli(
        args, emulatedRoot(), stdoutPath ? std::filesystem::path(stdoutPath) : outPath, errPath);
    run.out = readAll(outPath); // empty when standard output went elsewhere
    run.err = readAll(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}

TemplateInput inputFor(bool restore, TemplateOptions options, int count) {
    TemplateInput in;
    in.restore = restore;
    in.options = std::move(options);
    in.imageCount = count;
    in.scriptFolder = scriptFolder(R"(C:\WINDOWS\Web\leftimage)");
    in.programFolder = R"(Z:\opt\lv)";
    return in;
}

TEST(CliTemplate, WritesTheTemplateBytesForItsArguments) {
    CliRun run = cli({"template", "--program-folder", R"(Z:\opt\lv)"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, templateBytes(inputFor(false, {}, 1)));

    TemplateOptions o = TemplateOptions::preset();
    o.chkShowMsg = 2;
    o.cmbLinkSize = "30pt";
    o.txtLinkTitle[1] = "書類 \"<&>\" \u00E9";
    run =
        cli({"template", "chkShowMsg=1", "--count", "12", "--preset", "cmbLinkSize=30pt",
             "--program-folder=Z:\\opt\\lv", "txtLinkTitle1=書類 \"<&>\" \u00E9", "chkShowMsg=2"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, templateBytes(inputFor(false, o, 12)));

    run = cli({"template", "--restore", "--program-folder", "Q:", "--count=32767"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, templateBytes(inputFor(true, {}, 1)));

    TemplateInput in = inputFor(false, {}, 1);
    in.scriptFolder = R"(D:\\Pics\\)";
    run = cli({"template", "--script-folder", R"(D:\\Pics\\)", "--program-folder", R"(Z:\opt\lv)"});
    EXPECT_EQ(run.out, templateBytes(in));
}

TEST(CliTemplate, DefaultProgramFolderIsTheProgramsOwn) {
    std::filesystem::remove_all(emulatedRoot());
    const CliRun run = cli({"template"});
    EXPECT_FALSE(std::filesystem::exists(emulatedRoot())) << "the emulated system was set up";
    ASSERT_EQ(run.status, 0) << run.err;
    std::string folder = "Z:";
    for (char c : std::filesystem::path(LUMIVANE_CLI).parent_path().string())
        folder += c == '/' ? '\\' : c;
    EXPECT_NE(run.out.find("<img src=\"" + folder + "\\null.gif\"id=bgImage"), std::string::npos);
}

#ifndef _WIN32
TEST(CliTemplate, AHostProgramFolderTakesItsDriveZForm) {
    std::filesystem::remove_all(emulatedRoot());
    // As a dropped picture's host path does: the page names files on the emulated system.
    for (const char* folder : {"/usr/lib/lumivane", "--program-folder=/usr/lib/lumivane/"}) {
        const CliRun run = folder[0] == '/' ? cli({"template", "--program-folder", folder})
                                            : cli({"template", folder});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("<img src=\"Z:\\usr\\lib\\lumivane\\null.gif\"id=bgImage"),
                  std::string::npos)
            << folder;
    }
    EXPECT_FALSE(std::filesystem::exists(emulatedRoot())) << "the emulated system was set up";
    // A Windows path stays as it is written.
    const CliRun windows = cli({"template", "--program-folder", "q:/Lv"});
    EXPECT_NE(windows.out.find("<img src=\"q:/Lv\\null.gif\"id=bgImage"), std::string::npos);
}
#endif

TEST(CliTemplate, BadArgumentsGiveOneLineStatusTwoAndNoOutput) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"frobnicate"},
        {"template", "chkShowIcon0=1"},
        {"template", "chkShowIcon=3"},
        {"template", "cmbInfoSize=15pt"},
        {"template", "txtLink0=a\nb"},
        {"template", "lblColor1=\xFF"},
        {"template", "--count", "0"},
        {"template", "--count", "32768"},
        {"template", "--count", "99999999999999999999"},
        {"template", "--count", "-1"},
        {"template", "--count", "1e3"},
        {"template", "--count"},
        {"template", "--program-folder"},
        {"template", "--script-folder", "a\rb"},
        {"template", "--restore", "--frob"},
        {"template", "chkShowIcon"},
        {"template", "bad\nword"}, // echoed in the message, still on one line
        {"template", "chk\rName=1"},
        {"template", "--restore", "chkShowIcon=x"}, // checked even where it changes nothing
    };
    for (const auto& args : bad) {
        std::string shown;
        for (const auto& a : args)
            shown += a + " ";
        SCOPED_TRACE(shown);
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.rfind("lumivane-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

TEST(CliTemplate, AnOutputThatCannotBeWrittenIsAFailure) {
    const CliRun run = cli({"template"}, "/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("lumivane-cli: ", 0), 0u) << run.err;
}

TEST(CliTemplate, HelpExplainsEveryArgument) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"template", "--help"}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        for (std::string_view word : {"--restore", "--preset", "--count", "--script-folder",
                                      "--program-folder", "NAME=VALUE", "--help"})
            EXPECT_NE(run.out.find(word), std::string::npos) << word;
        for (std::string_view name : optionNames())
            EXPECT_NE(run.out.find(name), std::string::npos) << name;
    }
}

TEST(Cli, VersionNamesTheProgramAndItsVersion) {
    const CliRun run = cli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "lumivane-cli 1.4.0\n");
    EXPECT_EQ(run.err, "");
    EXPECT_NE(cli({"--help"}).out.find("--version"), std::string::npos);
    EXPECT_EQ(cli({"--version"}, "/dev/full").status, 1);
}

} // namespace
} // namespace lumivane
