// lumivane-webview's arguments: what it accepts and the one line it gives for the rest.
#include "webview/viewer_args.h"

#include <gtest/gtest.h>

namespace {

using namespace lumivane::webview;

TEST(ViewerArgs, TheHeadlessShot) {
    const ParsedViewerArgs parsed =
        parseViewerArgs({"C:\\WINDOWS", "--png", "out.png", "--size", "640x480", "--second", "59",
                         "--select", "a b.jpg", "--select", "-dash", "--info"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.args.folder, "C:\\WINDOWS");
    EXPECT_EQ(parsed.args.png, "out.png");
    EXPECT_EQ(parsed.args.width, 640);
    EXPECT_EQ(parsed.args.height, 480);
    EXPECT_EQ(parsed.args.second, 59);
    EXPECT_EQ(parsed.args.select, (std::vector<std::string>{"a b.jpg", "-dash"}));
    EXPECT_TRUE(parsed.args.info);

    const ParsedViewerArgs plain = parseViewerArgs({});
    EXPECT_EQ(plain.error, "");
    EXPECT_FALSE(plain.args.folder);
    EXPECT_EQ(parseViewerArgs({"--", "--png"}).args.folder, "--png");
}

TEST(ViewerArgs, BadArgumentsGetOneLine) {
    const std::vector<std::vector<std::string>> bad{{"--png"},
                                                    {"a", "b"},
                                                    {"--size", "640"},
                                                    {"--size", "0x480"},
                                                    {"--size", "9x9x9"},
                                                    {"--second", "60"},
                                                    {"--second", "-1"},
                                                    {"--second", "5s"},
                                                    {"--info"},
                                                    {"--select", ""},
                                                    {"--bogus"},
                                                    {"--png", ""},
                                                    {"-x\n"}};
    for (const auto& arguments : bad) {
        const std::string error = parseViewerArgs(arguments).error;
        EXPECT_FALSE(error.empty()) << arguments.front();
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

TEST(ViewerArgs, AValueFollowsItsOptionOrAnEqualsSign) {
    const ParsedViewerArgs parsed =
        parseViewerArgs({"--size=640x480", "--png=out.png", "--second=7", "--select=a=b.txt",
                         "--select", "c.txt", "--png", "again.png"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.args.width, 640);
    EXPECT_EQ(parsed.args.height, 480);
    EXPECT_EQ(parsed.args.png, "again.png");
    EXPECT_EQ(parsed.args.second, 7);
    EXPECT_EQ(parsed.args.select, (std::vector<std::string>{"a=b.txt", "c.txt"}));

    for (const char* bad : {"--size=", "--png=", "--size=10x10", "--info=1", "--help=x"})
        EXPECT_FALSE(parseViewerArgs({bad}).error.empty()) << bad;
}

} // namespace
