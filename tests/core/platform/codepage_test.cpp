#include "platform/codepage.h"

#include <gtest/gtest.h>

using lumivane::platform::fromCp932;
using lumivane::platform::representableInCp932;
using lumivane::platform::toCp932;

TEST(Codepage932, EncodesJapaneseAsWindowsDoes) {
    EXPECT_EQ(toCp932("\u3000"), "\x81\x40");     // ideographic space
    EXPECT_EQ(toCp932("\uFF64"), "\xA4");         // half-width ideographic comma
    EXPECT_EQ(toCp932("\uFF5E"), "\x81\x60");     // full-width tilde, as CP932 maps it
    EXPECT_EQ(toCp932("ABC<\"\\>"), "ABC<\"\\>"); // ASCII passes unchanged
    EXPECT_EQ(toCp932("表示"), "\x95\x5C\x8E\xA6");
}

TEST(Codepage932, WritesUnrepresentableCharactersAsReferences) {
    EXPECT_EQ(toCp932("a\U0001F600b"), "a&#128512;b");
    EXPECT_EQ(toCp932("\u00E9t\u00E9"), "&#233;t&#233;");
    EXPECT_EQ(toCp932(std::string("x\xFFy")), "x&#65533;y"); // invalid UTF-8
    EXPECT_FALSE(representableInCp932("\U0001F600"));
    EXPECT_TRUE(representableInCp932("フォルダ"));
}

TEST(Codepage932, RoundTripsAndReplacesBrokenBytes) {
    const std::string text = "ボタンをクリックで、詳細情報のの色を設定 ";
    EXPECT_EQ(fromCp932(toCp932(text)), text);
    EXPECT_EQ(fromCp932("\x81"), "\uFFFD"); // a lead byte without its trail
}

TEST(Codepage932, JisLookAlikesTakeTheirShiftJisBytesOnEverySystem) {
    // Text typed on other systems uses these for ¢ £ ¥ ¬ — ‖ ‾ − 〜; Windows writes them
    // as the full-width forms that Shift_JIS has.
    EXPECT_EQ(toCp932("\u00A2\u00A3\u00AC"), "\x81\x91\x81\x92\x81\xCA");
    EXPECT_EQ(toCp932("\u00A5\u203E"), "\x5C\x7E");
    EXPECT_EQ(toCp932("\u2014\u2016\u2212\u301C"), "\x81\x5C\x81\x61\x81\x7C\x81\x60");
    EXPECT_TRUE(representableInCp932("10\u301C20"));
    // Control U+0080 and the private-use characters some tables give to the unused bytes
    // 80, A0 and FD-FF are not Shift_JIS: references out, U+FFFD in.
    EXPECT_EQ(toCp932("\u0080\uF8F0\uF8F3"), "&#128;&#63728;&#63731;");
    EXPECT_FALSE(representableInCp932("\uF8F1"));
    EXPECT_EQ(fromCp932("a\x80"
                        "b\xA0\xFD\xFE\xFF"),
              "a\uFFFDb\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(fromCp932("\x82\x80"), "\uFFFD\uFFFD"); // a lead byte before 80
}
