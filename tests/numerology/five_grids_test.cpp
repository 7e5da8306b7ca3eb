#include "numerology/five_grids.h"

#include <gtest/gtest.h>

#include "support/fixture_database.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

TEST(FiveGridsTest, FormulasOfTheFourShapes) {
    struct Case {
        NameStrokes strokes;
        int heaven, person, earth, total, outer;
    };
    const Case cases[] = {
        {{4, 0, 1, 0, false, false}, 5, 5, 2, 5, 2},
        {{7, 0, 12, 9, false, true}, 8, 19, 21, 28, 10},
        {{15, 17, 10, 8, true, true}, 32, 27, 18, 50, 23},
        {{15, 17, 10, 0, true, false}, 32, 27, 11, 42, 16},
        {{0, 0, 0, 0, false, false}, 1, 0, 1, 0, 2},  // an absent surname character gives 天格 1
    };
    for (const Case& c : cases) {
        FiveGrids g = GridsOfStrokes(c.strokes);
        EXPECT_EQ(g.heaven, c.heaven);
        EXPECT_EQ(g.person, c.person);
        EXPECT_EQ(g.earth, c.earth);
        EXPECT_EQ(g.total, c.total);
        EXPECT_EQ(g.outer, c.outer);
    }
}

TEST(FiveGridsTest, ElementOfNumberByLastDigit) {
    const char* expected[] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
    for (int digit = 0; digit < 10; ++digit)
        EXPECT_EQ(ElementOfNumber(digit), Utf8ToGbk(expected[digit]));
    EXPECT_EQ(ElementOfNumber(10), "水"_gbk);
    EXPECT_EQ(ElementOfNumber(40), "水"_gbk);
    EXPECT_EQ(ElementOfNumber(81), "木"_gbk);
}

class ComputeFiveGridsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* c : {"欧", "阳", "华", "明", "李", "华"})
            table_.Add(LoadCharInfo(fixture_.db(), Utf8ToGbk(c)));
    }
    test::LoadedFixture fixture_;
    CharTable table_;
};

TEST_F(ComputeFiveGridsTest, UsesTheTableCountsTotalsAndElements) {
    // 欧 15, 阳 17, 华 14, 明 8 (Kangxi); simplified 8, 6, 6, 8.
    FiveGrids g = ComputeFiveGrids(table_, "欧阳"_gbk, "华明"_gbk);
    EXPECT_EQ(g.heaven, 32);
    EXPECT_EQ(g.person, 31);
    EXPECT_EQ(g.earth, 22);
    EXPECT_EQ(g.total, 54);
    EXPECT_EQ(g.outer, 23);
    EXPECT_EQ(g.simplified_total, 28);
    EXPECT_EQ(g.elements, "土土水火"_gbk);
}

TEST_F(ComputeFiveGridsTest, AbsentCharacterCountsNothing) {
    FiveGrids g = ComputeFiveGrids(table_, "李"_gbk, "龘明"_gbk);  // 龘 is in no table
    EXPECT_EQ(g.person, 7);
    EXPECT_EQ(g.earth, 8);
    EXPECT_EQ(g.elements, "火火"_gbk);
    EXPECT_EQ(ComputeFiveGrids(table_, "龘"_gbk, "明"_gbk).heaven, 1);
}

TEST_F(ComputeFiveGridsTest, FirstRecordOfACharacterWins) {
    CharTable table;
    table.Add({"华"_gbk, 6, 14, "水"_gbk});
    table.Add({"华"_gbk, 1, 1, "金"_gbk});
    ASSERT_NE(FindCharInfo(table, "华"_gbk), nullptr);
    EXPECT_EQ(FindCharInfo(table, "华"_gbk)->kangxi_strokes, 14);
    EXPECT_EQ(FindCharInfo(table, "明"_gbk), nullptr);
    EXPECT_EQ(table.size(), 2);
}

TEST_F(ComputeFiveGridsTest, LoadCharInfoReadsTheRowOrNothing) {
    CharInfo zhang = LoadCharInfo(fixture_.db(), "张"_gbk);
    EXPECT_EQ(zhang.simplified_strokes, 7);
    EXPECT_EQ(zhang.kangxi_strokes, 11);
    EXPECT_EQ(zhang.element, "火"_gbk);
    EXPECT_TRUE(zhang.known());
    CharInfo missing = LoadCharInfo(fixture_.db(), "龘"_gbk);
    EXPECT_EQ(missing.hanzi, "龘"_gbk);
    EXPECT_FALSE(missing.known());
    EXPECT_EQ(missing.kangxi_strokes, 0);
}

}  // namespace
}  // namespace qinghe
