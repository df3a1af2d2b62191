// The template made ready for the viewer's engine: tokens as text, addresses, styles, events.
#include "template/template_text.h"
#include "webview/page_text.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace lumivane::webview;

const FolderTokens kTokens{"Z:\\home\\me\\Pictures", "Pictures", "C:\\WINDOWS\\Web"};

long lines(std::string_view text) {
    return std::count(text.begin(), text.end(), '\n');
}

/// The generated template as UTF-8 text, for these options.
std::string generated(bool restore, bool everything) {
    lumivane::TemplateInput input;
    input.restore = restore;
    input.imageCount = 3;
    input.scriptFolder = lumivane::scriptFolder("C:\\WINDOWS\\Web\\leftimage");
    input.programFolder = "Z:\\usr\\lib\\lumivane";
    if (everything)
        input.options = lumivane::TemplateOptions::preset(); // every box that changes the page
    return lumivane::templateText(input);
}

TEST(PreparedPage, KeepsEveryLineSoErrorsPointAtTheTemplate) {
    for (bool restore : {true, false}) {
        for (bool everything : {true, false}) {
            const std::string text = generated(restore, everything);
            const std::string page = preparePage(text, kTokens);
            EXPECT_EQ(lines(page), lines(text)) << restore << everything;
            for (const char* token : {"%THISDIRPATH%", "%THISDIRNAME%", "%TEMPLATEDIR%"})
                EXPECT_EQ(page.find(token), std::string::npos) << token;
        }
    }
}

TEST(PreparedPage, TokensBecomeTextAndAddressesReachTheDrives) {
    const std::string page = preparePage(generated(false, true), kTokens);
    EXPECT_NE(page.find("<base href=\"lumivane://z/home/me/Pictures/\">"), std::string::npos);
    EXPECT_NE(page.find("<img src=\"lumivane://z/usr/lib/lumivane/null.gif\"id=bgImage"),
              std::string::npos);
    EXPECT_NE(page.find("src=\"lumivane://c/WINDOWS/Web/wvline.gif\""), std::string::npos);
    EXPECT_NE(page.find("<i>          Pictures\r\n"), std::string::npos) << "the name line";
    // The script's own address is left for the page's run time to rewrite.
    EXPECT_NE(page.find("ImageStock=\"file://C:\\\\WINDOWS\\\\Web\\\\leftimage\\\\\""),
              std::string::npos);

    const std::string restored = preparePage(generated(true, false), kTokens);
    EXPECT_NE(restored.find("background: URL(lumivane://c/WINDOWS/Web/wvleft.bmp) no-repeat"),
              std::string::npos);
}

TEST(PreparedPage, AFolderNamedLikeMarkUpStaysText) {
    const FolderTokens hostile{"Z:\\tmp\\<img src=x onerror=alert(1)> & \"q\"",
                               "<img src=x onerror=alert(1)> & \"q\"", "C:\\WINDOWS\\Web"};
    const std::string page = preparePage(generated(false, true), hostile);
    EXPECT_EQ(page.find("<img src=x"), std::string::npos);
    EXPECT_NE(page.find("&lt;img src=x onerror=alert(1)&gt; &amp; &quot;q&quot;"),
              std::string::npos);
    // In the base address the name arrives percent-encoded, quotes and all.
    EXPECT_NE(page.find("<base href=\"lumivane://z/tmp/%3Cimg%20src%3Dx%20onerror%3Dalert%281%29"
                        "%3E%20%26%20%22q%22/\">"),
              std::string::npos);
}

/// A `font: SIZE` shorthand as its parts: every other part back to its initial value.
std::string sized(const std::string& size) {
    return "font-style: normal; font-variant: normal; font-weight: normal; font-size: " + size +
           "; line-height: normal";
}

TEST(PreparedPage, StylesReadAsTheFileManagerReadThem) {
    const std::string page = preparePage(generated(false, true), kTokens);
    EXPECT_NE(page.find("p.Title     {" + sized("16pt") + "; font-weight: bold"),
              std::string::npos);
    EXPECT_NE(page.find("body        {font: 9pt/10pt \"MS UI Gothic\"; margin: 0}"),
              std::string::npos)
        << "a shorthand with a family is valid as it stands";
    EXPECT_NE(page.find("<span style=\"color: blue; " + sized("20pt") + "\"><nobr>"),
              std::string::npos);
    EXPECT_NE(page.find("style=\"" + sized("12pt") + "; color: white\""), std::string::npos);
    EXPECT_NE(page.find("background: var(--lumivane-buttonface)"), std::string::npos);
    EXPECT_NE(page.find("height: 32px; background: var(--lumivane-window)\""), std::string::npos);

    EXPECT_EQ(prepareStyle("a {font: italic bold 12px/30px} b {font: menu}", false),
              "a {font-style: italic; font-variant: normal; font-weight: bold; font-size: 12px; "
              "line-height: 30px} b {font: menu}");
    EXPECT_EQ(prepareStyle("color: WindowText; border: 1px solid threedshadow", true),
              "color: var(--lumivane-windowtext); border: 1px solid var(--lumivane-threedshadow)");
    EXPECT_EQ(prepareStyle("font-family: Window; content: \"menu\"; background: windowsill", true),
              "font-family: Window; content: \"menu\"; background: windowsill");
    EXPECT_EQ(prepareStyle("background: url('file:///C:/x y.gif')", true),
              "background: url('lumivane://c/x%20y.gif')");
}

TEST(PreparedPage, EventScriptsBecomeHandlersOnTheSameLines) {
    const std::string text = "<script language=\"JavaScript\" for=\"FileList\" "
                             "event=\"SelectionChanged\">\n  a = 1;\n</script>\n"
                             "<script>b = 2;</script>";
    const std::string page = preparePage(text, kTokens);
    EXPECT_EQ(page, "<script language=\"JavaScript\"  >__lumivane.bind(\"FileList\", "
                    "\"SelectionChanged\", function () {\n  a = 1;\n});</script>\n"
                    "<script>b = 2;</script>");
}

TEST(PreparedPage, LinksOfTheUserReachTheDrivesOrStayAsTheyAre) {
    const std::string page = preparePage(
        "<a href=\"file://c:\\My Documents\">x</a><a href='http://example.org/?a=1&amp;b'>y</a>"
        "<a href=file:///C|/temp>z</a><!-- <img src=\"C:\\x.gif\"> -->",
        kTokens);
    EXPECT_EQ(page, "<a href=\"lumivane://c/My%20Documents\">x</a>"
                    "<a href='http://example.org/?a=1&amp;b'>y</a>"
                    "<a href=lumivane://c/temp>z</a><!-- <img src=\"C:\\x.gif\"> -->");
}

} // namespace
