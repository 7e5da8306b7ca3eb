#include "birthchart/sexagenary_table.h"

#include <gtest/gtest.h>

#include <set>

#include "text/gbk.h"

namespace qinghe {
namespace {

TEST(SexagenaryTableTest, NamesElementPairsAndNayin) {
    struct Case {
        int position;
        const char* name;  // UTF-8
        const char* pair;
        const char* nayin;
    };
    const Case cases[] = {
        {1, "甲子", "木,水,", "海中金"},  {2, "乙丑", "木,土,", "海中金"},
        {3, "丙寅", "火,木,", "炉中火"},  {11, "甲戌", "木,土,", "山头火"},
        {21, "甲申", "木,金,", "泉中水"}, {31, "甲午", "木,火,", "砂石金"},
        {41, "甲辰", "木,土,", "灯头火"}, {43, "丙午", "火,火,", "天河水"},
        {55, "戊午", "土,火,", "天上火"}, {58, "辛酉", "金,金,", "石榴木"},
        {60, "癸亥", "水,水,", "大海水"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GbkToUtf8(CycleName(c.position)), c.name) << c.position;
        EXPECT_EQ(GbkToUtf8(CycleElementPair(c.position)), c.pair) << c.position;
        EXPECT_EQ(GbkToUtf8(CycleNayin(c.position)), c.nayin) << c.position;
    }
}

TEST(SexagenaryTableTest, PositionsOutsideTheCycleHaveNoTexts) {
    for (int position : {-1, 0, 61, 120}) {
        EXPECT_EQ(CycleName(position), "") << position;
        EXPECT_EQ(CycleElementPair(position), "") << position;
        EXPECT_EQ(CycleNayin(position), "") << position;
    }
}

TEST(SexagenaryTableTest, SixtyDistinctNamesThatLookUpToTheirPositions) {
    std::set<std::string> names;
    for (int position = 1; position <= kCycleLength; ++position) {
        const std::string& name = CycleName(position);
        ASSERT_EQ(name.size(), 4u) << position;  // two GBK characters
        EXPECT_EQ(name.substr(0, 2), StemName((position - 1) % 10));
        EXPECT_EQ(name.substr(2), BranchName((position - 1) % 12));
        EXPECT_EQ(CyclePositionOfName(name), position);
        EXPECT_EQ(CyclePositionOf((position - 1) % 10, (position - 1) % 12), position);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 60u);
}

TEST(SexagenaryTableTest, TextsThatAreNoPillarHaveNoPosition) {
    for (const char* text : {"", "甲", "甲丑", "子甲", "甲子 ", "jiazi"})
        EXPECT_EQ(CyclePositionOfName(Utf8ToGbk(text)), 0) << text;
}

TEST(SexagenaryTableTest, FoldIntoCycleWrapsBothWays) {
    const std::pair<long long, int> cases[] = {{1, 1},   {60, 60},  {61, 1},  {0, 60},
                                               {-59, 1}, {-60, 60}, {121, 1}, {2451545 - 10, 55}};
    for (const auto& [number, position] : cases)
        EXPECT_EQ(FoldIntoCycle(number), position) << number;
}

}  // namespace
}  // namespace qinghe
