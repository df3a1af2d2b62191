#include "template/option_names.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumivane {
namespace {

TEST(SizeItems, RunFromFourToSixtyFourPointsInStepsOfTwo) {
    const auto& items = sizeItems();
    EXPECT_EQ(items.front(), "4pt");
    EXPECT_EQ(items[3], "10pt");
    EXPECT_EQ(items[6], "16pt");
    EXPECT_EQ(items[8], "20pt");
    EXPECT_EQ(items.back(), "64pt");
}

// Each name with a value and the member that must then hold it.
struct Case {
    const char* name;
    const char* value;
    std::function<std::string(const TemplateOptions&)> member;
};

std::function<std::string(const TemplateOptions&)> box(int TemplateOptions::*field) {
    return [field](const TemplateOptions& o) { return std::to_string(o.*field); };
}

TEST(OptionNames, EachNameSetsItsOwnMember) {
    using O = TemplateOptions;
    const std::vector<Case> cases = {
        {"chkShowIcon", "0", box(&O::chkShowIcon)},
        {"chkShowLine", "2", box(&O::chkShowLine)},
        {"chkThumbnail", "0", box(&O::chkThumbnail)},
        {"chkThumnailPosition", "1", box(&O::chkThumnailPosition)},
        {"chkShowFolderName", "0", box(&O::chkShowFolderName)},
        {"chkFolderNamePosition", "1", box(&O::chkFolderNamePosition)},
        {"chkFolderNameItalic", "2", box(&O::chkFolderNameItalic)},
        {"chkShowDetail", "0", box(&O::chkShowDetail)},
        {"chkShowMsg", "0", box(&O::chkShowMsg)},
        {"chkFitImageWidth", "1", box(&O::chkFitImageWidth)},
        {"chkFitImageHeight", "1", box(&O::chkFitImageHeight)},
        {"chkReload", "2", box(&O::chkReload)},
        {"cmbFolderNameSize", "64pt", [](const O& o) { return o.cmbFolderNameSize; }},
        {"cmbInfoSize", "4pt", [](const O& o) { return o.cmbInfoSize; }},
        {"cmbLinkSize", "22pt", [](const O& o) { return o.cmbLinkSize; }},
        {"lblColor0", "red", [](const O& o) { return o.lblColor[0]; }},
        {"lblColor1", "#00ff00", [](const O& o) { return o.lblColor[1]; }},
        {"lblColor2", "light blue", [](const O& o) { return o.lblColor[2]; }},
        {"lblColor3", "", [](const O& o) { return o.lblColor[3]; }},
        {"chkSetLink0", "1", [](const O& o) { return std::to_string(o.chkSetLink[0]); }},
        {"chkSetLink1", "2", [](const O& o) { return std::to_string(o.chkSetLink[1]); }},
        {"txtLinkTitle0", "マイ \"<ドキュメント>\"", [](const O& o) { return o.txtLinkTitle[0]; }},
        {"txtLinkTitle1", "\U0001F600", [](const O& o) { return o.txtLinkTitle[1]; }},
        {"txtLink0", R"(file://c:\temp)", [](const O& o) { return o.txtLink[0]; }},
        {"txtLink1", "http://example.com/?a=1&b=2", [](const O& o) { return o.txtLink[1]; }},
    };
    ASSERT_EQ(optionNames().size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(optionNames()[i], c.name);
        TemplateOptions options;
        const Status status = setOption(options, c.name, c.value);
        ASSERT_TRUE(status.ok) << status.message;
        EXPECT_EQ(c.member(options), c.value);
        EXPECT_EQ(optionValue(options, c.name), c.value);
        // and nothing else moved
        TemplateOptions back = options;
        ASSERT_TRUE(setOption(back, c.name, *optionValue(TemplateOptions{}, c.name)).ok);
        EXPECT_EQ(back, TemplateOptions{});
    }
}

TEST(OptionNames, RejectBadNamesAndValuesAndKeepTheOptions) {
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"chkShowIcon0", "1"},
        {"chkSetLink", "1"},
        {"lblColor4", "red"},
        {"chkshowicon", "1"},
        {"", "1"},
        {"chkShowIcon", "3"},
        {"chkShowIcon", "-1"},
        {"chkShowIcon", ""},
        {"chkShowIcon", "01"},
        {"chkShowIcon", "1 "},
        {"chkSetLink0", "true"},
        {"cmbInfoSize", "5pt"},
        {"cmbInfoSize", "2pt"},
        {"cmbInfoSize", "66pt"},
        {"cmbInfoSize", "16"},
        {"cmbInfoSize", "16PT"},
        {"cmbLinkSize", " 16pt"},
        {"txtLink0", "a\nb"},
        {"txtLinkTitle1", "a\rb"},
        {"lblColor0", "\xC3"},
        {"txtLink1", "x\xFFy"},
        {"txtLinkTitle0", "\xED\xA0\x80"}, // an encoded surrogate
    };
    const TemplateOptions before = TemplateOptions::preset();
    for (const auto& [name, value] : bad) {
        SCOPED_TRACE(name + "=" + value);
        TemplateOptions options = before;
        const Status status = setOption(options, name, value);
        EXPECT_FALSE(status.ok);
        EXPECT_FALSE(status.message.empty());
        EXPECT_EQ(options, before);
    }
    EXPECT_EQ(optionValue(before, "chkSetLink2"), std::nullopt);
}

// The lists that the shell completion offers are exactly what setOption() takes.
TEST(OptionChoices, ListTheValuesOfCheckBoxesAndSizesAndEachIsTaken) {
    const std::vector<std::string> checkBox{"0", "1", "2"};
    for (std::string_view name : optionNames()) {
        SCOPED_TRACE(name);
        const auto choices = optionChoices(name);
        const std::vector<std::string> list(choices.begin(), choices.end());
        if (name.starts_with("chk"))
            EXPECT_EQ(list, checkBox);
        else if (name.starts_with("cmb"))
            EXPECT_EQ(list, std::vector<std::string>(sizeItems().begin(), sizeItems().end()));
        else
            EXPECT_TRUE(list.empty());
        for (const std::string& value : list) {
            TemplateOptions options;
            ASSERT_TRUE(setOption(options, name, value).ok) << value;
            EXPECT_EQ(optionValue(options, name), value);
        }
    }
    EXPECT_TRUE(optionChoices("chkFoo").empty());
}

TEST(OptionNames, MessagesNameTheFault) {
    TemplateOptions options;
    EXPECT_NE(setOption(options, "chkFoo", "1").message.find("chkFoo"), std::string::npos);
    const std::string size = setOption(options, "cmbInfoSize", "7pt").message;
    EXPECT_NE(size.find("cmbInfoSize"), std::string::npos);
    EXPECT_NE(size.find("7pt"), std::string::npos);
    EXPECT_NE(checkLineText("--program-folder", "a\nb").message.find("--program-folder"),
              std::string::npos);
    EXPECT_TRUE(checkLineText("--program-folder", R"(C:\Program Files\表)").ok);
}

} // namespace
} // namespace lumivane
