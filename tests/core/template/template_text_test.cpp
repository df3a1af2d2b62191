#include "platform/codepage.h"
#include "template/template_text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumivane {
namespace {

// The lines of a template, split at CR LF (a joined italics line stays one line). The text
// must end with CR LF; anything after the last one is returned as a last, unended line.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size())
        lines.push_back(text.substr(start));
    return lines;
}

long count(const std::string& text, const std::string& line) {
    const auto lines = linesOf(text);
    return std::count(lines.begin(), lines.end(), line);
}

TemplateOptions withEveryBox(int value) {
    TemplateOptions o;
    for (int* box : {&o.chkShowIcon, &o.chkShowLine, &o.chkThumbnail, &o.chkThumnailPosition,
                     &o.chkShowFolderName, &o.chkFolderNamePosition, &o.chkFolderNameItalic,
                     &o.chkShowDetail, &o.chkShowMsg, &o.chkFitImageWidth, &o.chkFitImageHeight,
                     &o.chkReload, &o.chkSetLink[0], &o.chkSetLink[1]})
        *box = value;
    return o;
}

TemplateInput input(bool restore, TemplateOptions options = {}, int imageCount = 1) {
    TemplateInput in;
    in.restore = restore;
    in.options = std::move(options);
    in.imageCount = imageCount;
    in.scriptFolder = scriptFolder(R"(C:\WINDOWS\Web\leftimage)");
    in.programFolder = R"(Z:\opt\lumivane)";
    return in;
}

const std::string kPrompt = "アイコンを選択すると､その説明が表示されます";
const std::string kTitleLine = "          <p class=Title>";
const std::string kRestorePanel =
    R"(        <div id=Panel style="background: URL(file://%TEMPLATEDIR%\wvleft.bmp) no-repeat">)";
const std::string kIconLine =
    R"(          <object classid="clsid:E5DF9D10-3B52-11D1-83E8-00A0C90DC849" width=32 height=32>)";
const std::string kSeparatingLine =
    R"(          <img src="%TEMPLATEDIR%\wvline.gif" width=100% height=1px>)";
const std::string kThumbnailShown = R"(              document.all.Thumbnail.style.display = "";)";
const std::string kThumbnailNever =
    R"(              document.all.Thumbnail.style.display = "none";)";
const std::string kThumbnailPlain =
    R"(          <object id=Thumbnail classid="clsid:1D2B4F40-1F10-11D1-9E88-00C04FDCAB92" style="display: none">)";
const std::string kThumbnailAbsolute =
    R"(          <object id=Thumbnail classid="clsid:1D2B4F40-1F10-11D1-9E88-00C04FDCAB92" style="display: none; position: absolute">)";
const std::string kPlainBody = R"js(  <body scroll=no onload="Init()">)js";
const std::string kReloadBody =
    R"js(  <body scroll=no onload="Init()"onClick=location.reload()>)js";
const std::string kBreaks = "              <br><br>";

TEST(TemplateRestore, IsTheStandardTextWhateverTheOptions) {
    const std::string standard = templateText(input(true));
    EXPECT_EQ(linesOf(standard).size(), 344u);
    EXPECT_EQ(templateText(input(true, TemplateOptions::preset(), 7)), standard);
    TemplateInput other = input(true, withEveryBox(0), 300);
    other.scriptFolder = "X:\\\\";
    other.programFolder = "Y:";
    EXPECT_EQ(templateText(other), standard);

    EXPECT_EQ(count(standard, R"(          var L_Prompt_Text   = ")" + kPrompt + "\";"), 1);
    EXPECT_EQ(count(standard, kThumbnailShown), 1);
    EXPECT_EQ(count(standard, kPlainBody), 1);
    EXPECT_EQ(count(standard, kRestorePanel), 1);
    EXPECT_EQ(count(standard, kIconLine), 1);
    EXPECT_EQ(count(standard, kTitleLine), 1);
    EXPECT_EQ(count(standard, "          %THISDIRNAME%"), 1);
    EXPECT_EQ(count(standard, kSeparatingLine), 1);
    EXPECT_EQ(count(standard, "          <span id=Info>"), 1);
    EXPECT_EQ(count(standard, kBreaks), 1);
    EXPECT_EQ(count(standard, kThumbnailPlain), 1);
    EXPECT_EQ(standard.find("maximage"), std::string::npos);
    EXPECT_EQ(standard.find("bgImage"), std::string::npos);
    EXPECT_EQ(standard.find("<a href=\""), standard.find("<a href=\"http://www.example.com/\">"));
}

TEST(TemplateRestore, HasTheFixedFrameOfThePage) {
    const auto lines = linesOf(templateText(input(true)));
    EXPECT_EQ(lines[0], "<!-- ");
    EXPECT_EQ(lines[6], "<html>");
    EXPECT_EQ(lines[26],
              R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=shift_jis">)");
    EXPECT_EQ(lines[33], R"(      <script language="JavaScript">)");
    EXPECT_EQ(lines[98],
              R"(      <script language="JavaScript" for="FileList" event="SelectionChanged">)");
    EXPECT_EQ(lines[264],
              R"(      <script language="JavaScript" for="Thumbnail" event="OnThumbnailReady">)");
    EXPECT_EQ(
        lines[269],
        R"(          if (document.all.Thumbnail.haveThumbnail() && document.all.Media.innerHTML == ""))");
    EXPECT_EQ(lines[274], kPlainBody);
    EXPECT_EQ(lines[289], kRestorePanel);
    EXPECT_EQ(lines[342], "  </body>");
    EXPECT_EQ(lines[343], "</html>");
}

TEST(TemplateApply, EveryBoxClearedIsFourLinesLonger) {
    const std::string text = templateText(input(false, withEveryBox(0)));
    EXPECT_EQ(linesOf(text).size(), 348u);
    EXPECT_EQ(count(text, R"(          var L_Prompt_Text   = "";)"), 1);
    EXPECT_EQ(count(text, "              maximage= 1;"), 1);
    EXPECT_EQ(count(text, "              document.bgImage.src=ImageStock;"), 1);
    EXPECT_EQ(count(text, kThumbnailNever), 1);
    EXPECT_EQ(count(text, kThumbnailShown), 0);
    EXPECT_EQ(count(text, kRestorePanel), 0);
    EXPECT_EQ(count(text, R"(        <div id=Panel style="background: transparent">)"), 1);
    EXPECT_EQ(count(text, kIconLine), 0);
    EXPECT_EQ(count(text, kSeparatingLine), 0);
    EXPECT_EQ(count(text, R"(          <span id=Info style="display: none">)"), 1);
    EXPECT_EQ(count(text, kTitleLine), 1);
    EXPECT_EQ(count(text, kPlainBody), 1);
    EXPECT_EQ(count(text, kBreaks), 1);
    EXPECT_EQ(count(text, kThumbnailPlain), 1);
}

TEST(TemplateApply, EveryBoxCheckedIsFifteenLinesLongerWithTheNameJoined) {
    for (int value : {1, 2}) { // a greyed box counts as checked
        const std::string text = templateText(input(false, withEveryBox(value)));
        EXPECT_EQ(linesOf(text).size(), 359u);
        EXPECT_EQ(count(text, kTitleLine), 0);
        EXPECT_EQ(count(text, "          <i>          %THISDIRNAME%"), 1);
        EXPECT_EQ(count(text, "          </i>          </nobr></span>"), 1);
        EXPECT_EQ(count(text, kReloadBody), 1);
        EXPECT_EQ(count(text, kThumbnailAbsolute), 1);
        EXPECT_EQ(count(text, kBreaks), 2);
    }
}

TEST(TemplateApply, PictureLinesNameTheCountAndTheFolder) {
    const auto lines = linesOf(templateText(input(false, withEveryBox(0), 12)));
    const auto at = std::find(lines.begin(), lines.end(), "              maximage= 12;");
    ASSERT_NE(at, lines.end());
    ASSERT_LT(at + 6, lines.end());
    EXPECT_EQ(at[1], "              dt=new Date();");
    EXPECT_EQ(
        at[2],
        R"(              ImageStock="file://C:\\WINDOWS\\Web\\leftimage\\" + (dt.getSeconds() % maximage) + ".lmv";)");
    EXPECT_EQ(at[3],
              "              "
              "document.all.bgImageBack.style.pixelWidth=document.all.Panel.style.pixelWidth;");
    EXPECT_EQ(at[4],
              "              "
              "document.all.bgImageBack.style.pixelHeight=document.all.Panel.style.pixelHeight;");
    EXPECT_EQ(at[5], "              document.bgImage.src=ImageStock;");
    EXPECT_EQ(at[6], "          }"); // the end of FixSize
}

TEST(TemplateApply, PictureLayerCarriesPanelColourAndProgramFolder) {
    TemplateOptions o;
    o.lblColor[2] = "lightblue";
    const auto lines = linesOf(templateText(input(false, o)));
    const auto at = std::find(
        lines.begin(), lines.end(),
        R"(        <span id=bgImageBack style="background: lightblue; position: absolute; top: 0; left: 0; z-index: -100">)");
    ASSERT_NE(at, lines.end());
    ASSERT_LT(at + 2, lines.end());
    EXPECT_EQ(at[1], R"(<img src="Z:\opt\lumivane\null.gif"id=bgImage name=bgImage ></span>)");
    EXPECT_EQ(at[2], R"(        <div id=Panel style="background: transparent">)");
}

// Each check box on its own, against every box cleared: the lines it brings and takes away.
struct BoxEffect {
    const char* name;
    int TemplateOptions::*box;
    std::vector<std::string> added;
    std::vector<std::string> removed;
};

TEST(TemplateApply, EachBoxChangesItsOwnLines) {
    const std::vector<BoxEffect> effects = {
        {"chkShowMsg",
         &TemplateOptions::chkShowMsg,
         {R"(          var L_Prompt_Text   = ")" + kPrompt + "\";"},
         {R"(          var L_Prompt_Text   = "";)"}},
        {"chkThumnailPosition",
         &TemplateOptions::chkThumnailPosition,
         {"              document.all.Thumbnail.style.pixelTop = document.body.clientHeight - "
          "document.all.Thumbnail.style.pixelHeight - 30;",
          kThumbnailAbsolute},
         {kThumbnailPlain}},
        {"chkFitImageHeight",
         &TemplateOptions::chkFitImageHeight,
         {"              document.all.bgImage.style.pixelHeight = "
          "document.all.Panel.style.pixelHeight;"},
         {}},
        {"chkFitImageWidth",
         &TemplateOptions::chkFitImageWidth,
         {"              document.all.bgImage.style.pixelWidth = "
          "document.all.Panel.style.pixelWidth;"},
         {}},
        {"chkThumbnail", &TemplateOptions::chkThumbnail, {kThumbnailShown}, {kThumbnailNever}},
        {"chkReload", &TemplateOptions::chkReload, {kReloadBody}, {kPlainBody}},
        {"chkShowIcon",
         &TemplateOptions::chkShowIcon,
         {kIconLine, R"(              <param name="scale" value="100">)", "          </object>"},
         {}},
        {"chkFolderNamePosition", &TemplateOptions::chkFolderNamePosition, {}, {kTitleLine}},
        {"chkShowFolderName",
         &TemplateOptions::chkShowFolderName,
         {"          <span style=\"color: Black; font: 16pt\"><nobr>\u3000",
          "          </nobr></span>"},
         {}},
        {"chkFolderNameItalic",
         &TemplateOptions::chkFolderNameItalic,
         {"          <i>          %THISDIRNAME%",
          "          </i>          <!--webbot bot=\"HTMLMarkup\" endspan -->"},
         {"          %THISDIRNAME%", "          <!--webbot bot=\"HTMLMarkup\" endspan -->"}},
        {"chkShowLine", &TemplateOptions::chkShowLine, {kSeparatingLine}, {}},
        {"chkShowDetail",
         &TemplateOptions::chkShowDetail,
         {R"(          <span id=Info style="color: Black; font: 10pt" > )"},
         {R"(          <span id=Info style="display: none">)"}},
    };
    const std::string cleared = templateText(input(false, withEveryBox(0)));
    for (const BoxEffect& e : effects) {
        SCOPED_TRACE(e.name);
        TemplateOptions o = withEveryBox(0);
        o.*e.box = 1;
        const std::string text = templateText(input(false, o));
        for (const std::string& line : e.added)
            EXPECT_EQ(count(text, line), count(cleared, line) + 1) << line;
        for (const std::string& line : e.removed)
            EXPECT_EQ(count(text, line), count(cleared, line) - 1) << line;
        const long delta = static_cast<long>(linesOf(text).size() - linesOf(cleared).size());
        EXPECT_EQ(delta, static_cast<long>(e.added.size()) - static_cast<long>(e.removed.size()));
    }
}

TEST(TemplateApply, OptionTextsGoIntoTheirLines) {
    TemplateOptions o = withEveryBox(1);
    o.lblColor = {"red", "green", "navy", "orange"};
    o.cmbFolderNameSize = "24pt";
    o.cmbInfoSize = "8pt";
    o.cmbLinkSize = "64pt";
    o.txtLinkTitle = {"Temp \"<b>\" Directory", "ドキュメント"};
    o.txtLink = {R"(file://c:\temp)", "http://example.com/?a=1&b=<2>"};
    const std::string text = templateText(input(false, o));
    EXPECT_EQ(count(text, "          <span style=\"color: red; font: 24pt\"><nobr>\u3000"), 1);
    EXPECT_EQ(count(text, R"(          <span id=Info style="color: green; font: 8pt" > )"), 1);
    const auto lines = linesOf(text);
    const auto first = std::find(
        lines.begin(), lines.end(),
        R"(              <a href="file://c:\temp" style="font: 64pt; color: orange"><nobr>Temp "<b>" Directory</nobr></a>)");
    ASSERT_NE(first, lines.end());
    ASSERT_LT(first + 2, lines.end());
    EXPECT_EQ(first[-1], kBreaks);
    EXPECT_EQ(first[1], kBreaks);
    EXPECT_EQ(
        first[2],
        R"(              <a href="http://example.com/?a=1&b=<2>" style="font: 64pt; color: orange"><nobr>ドキュメント</nobr></a>)");
    EXPECT_EQ(first[3], "");
}

TEST(TemplateApply, LinkTwoAloneHasOnlyTheFixedBreak) {
    TemplateOptions o;
    o.chkSetLink = {0, 1};
    o.txtLinkTitle = {"unused", "Two"};
    o.txtLink = {"one.htm", "two.htm"};
    const auto lines = linesOf(templateText(input(false, o)));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kBreaks), 1);
    const auto at = std::find(lines.begin(), lines.end(), kBreaks);
    ASSERT_LT(at + 1, lines.end());
    EXPECT_EQ(
        at[1],
        R"(              <a href="two.htm" style="font: 10pt; color: blue"><nobr>Two</nobr></a>)");
    const std::string text = templateText(input(false, o));
    EXPECT_EQ(text.find("unused"), std::string::npos);
}

TEST(TemplateBytes, AreCodePage932WithCrLfToTheEnd) {
    TemplateOptions o = withEveryBox(1);
    const std::string bytes = templateBytes(input(false, o));
    ASSERT_GE(bytes.size(), 9u);
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "</html>\r\n");
    // the ideographic space after <nobr> and the half-width comma of the prompt
    EXPECT_NE(bytes.find("16pt\"><nobr>\x81\x40\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\x82\xB7\x82\xE9\x82\xC6\xA4\x82\xBB"), std::string::npos); // すると､そ
    // no bare line feed anywhere
    for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
        ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "at byte " << i;
}

TEST(TemplateBytes, StandardTextIsWhollyCodePage932) {
    for (bool restore : {true, false}) {
        const TemplateInput in = input(restore, withEveryBox(1));
        const std::string bytes = templateBytes(in);
        EXPECT_EQ(bytes.find("&#"), std::string::npos);
        EXPECT_EQ(platform::fromCp932(bytes), templateText(in));
    }
}

TEST(TemplateBytes, CharactersOutside932BecomeReferences) {
    TemplateOptions o;
    o.chkSetLink = {1, 0};
    o.txtLinkTitle[0] = "Caf\u00E9 \U0001F600 表";
    o.txtLink[0] = "x.htm";
    const std::string bytes = templateBytes(input(false, o));
    EXPECT_NE(bytes.find("<nobr>Caf&#233; &#128512; \x95\x5C</nobr>"), std::string::npos);
}

TEST(ScriptFolder, DoublesEveryBackslashAndAddsTwo) {
    EXPECT_EQ(scriptFolder(R"(C:\WINDOWS\Web\leftimage)"), R"(C:\\WINDOWS\\Web\\leftimage\\)");
    EXPECT_EQ(scriptFolder(R"(\\server\share\Web\leftimage)"),
              R"(\\\\server\\share\\Web\\leftimage\\)");
    EXPECT_EQ(scriptFolder("D:\\Win 表\\Web\\leftimage"), "D:\\\\Win 表\\\\Web\\\\leftimage\\\\");
    EXPECT_EQ(scriptFolder("noslash"), "noslash\\\\");
    EXPECT_EQ(scriptFolder(""), "\\\\");
}

} // namespace
} // namespace lumivane
