#include "text/keep_hanzi.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace qinghe {
namespace {

TEST(KeepHanziTest, KeepsOnlyGb2312Hanzi) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"明 a华明"_gbk, "明华明"_gbk},           // spaces and Latin letters go
        {"圣诚,杰.泽1鹤"_gbk, "圣诚杰泽鹤"_gbk},  // ASCII punctuation and digits go
        {"明，华。"_gbk, "明华"_gbk},             // full-width punctuation (lead 0xA3/0xA1) goes
        {"喆堃镕"_gbk, ""},                       // GBK-only hanzi outside GB2312 go
        {"齄"_gbk, "齄"_gbk},                     // last level-2 character (F7FE) stays
        {"啊"_gbk, "啊"_gbk},                     // first level-1 character (B0A1) stays
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepHanzi(c.text), c.expected);
}

TEST(KeepHanziTest, CutsPiecesAt128SoBytes123To127StayOneByte) {
    // 0x7B '{' is a one-byte piece here; the following hanzi survives.
    EXPECT_EQ(KeepHanzi("{"_gbk + "明"_gbk), "明"_gbk);
}

TEST(KeepHanziTest, LoneLeadByteAtTheEndIsDropped) {
    EXPECT_EQ(KeepHanzi("明"_gbk + "\xB0"), "明"_gbk);
}

}  // namespace
}  // namespace qinghe
