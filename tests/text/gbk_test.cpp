#include "text/gbk.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace qinghe {
namespace {

TEST(GbkTest, ChineseRoundTripsThroughUtf8AndUtf16) {
    const std::string gbk = "李志强 abc 镕喆堃"_gbk;
    EXPECT_EQ(gbk.substr(0, 2), "\xC0\xEE");  // 李 in GBK
    EXPECT_EQ(GbkToUtf8(gbk), "李志强 abc 镕喆堃");
    EXPECT_EQ(GbkToUtf16(gbk), u"李志强 abc 镕喆堃");
    EXPECT_EQ(Utf16ToGbk(u"李志强 abc 镕喆堃"), gbk);
}

TEST(GbkTest, EmptyTextStaysEmpty) {
    EXPECT_EQ(Utf8ToGbk(""), "");
    EXPECT_EQ(GbkToUtf8(""), "");
    EXPECT_EQ(GbkToUtf16(""), u"");
    EXPECT_EQ(Utf16ToGbk(u""), "");
}

TEST(GbkTest, WhatGbkCannotHoldBecomesOneQuestionMarkEach) {
    // Korean syllables and an emoji have no GBK code; the rest survives.
    EXPECT_EQ(Utf8ToGbk("李한국😀明"), "李???明"_gbk);
    EXPECT_EQ(Utf16ToGbk(u"李😀明"), "李?明"_gbk);
}

TEST(GbkTest, InvalidInputBytesBecomeReplacementCharacters) {
    // A lead byte with an impossible trail byte, a lone 0xFF, a lead byte cut
    // off at the end: each becomes U+FFFD and the text around it survives.
    std::string broken =
        "\xC0\xEE"
        "\xFF"
        "a"
        "\xC0";
    EXPECT_EQ(GbkToUtf8(broken),
              "李\xEF\xBF\xBD"
              "a\xEF\xBF\xBD");
    EXPECT_EQ(GbkToUtf16(broken), u"李\uFFFDa\uFFFD");
    // Broken UTF-8: a stray continuation byte and a truncated sequence.
    EXPECT_EQ(Utf8ToGbk("\x80"
                        "明"
                        "\xE6\x98"),
              "?明?"_gbk);
}

TEST(GbkTest, LongTextsConvertWhole) {
    std::string utf8;
    for (int i = 0; i < 20000; ++i)
        utf8 += "铭";
    std::string gbk = Utf8ToGbk(utf8);
    EXPECT_EQ(gbk.size(), 40000u);
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

}  // namespace
}  // namespace qinghe
