#include "numerology/name_score.h"

#include <gtest/gtest.h>

#include "support/fixture_database.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

// 李 7 + 志 7 + 强 12: grids 8, 14, 19, 26, 13; key 金火水.
struct LiZhiqiang {
    static constexpr int kHeaven = 8, kPerson = 14, kEarth = 19, kTotal = 26, kOuter = 13;
};

int ScoreWith(test::FixtureDatabase content) {
    test::LoadedFixture fixture(content);
    CharTable table;
    for (const char* c : {"李", "志", "强"})
        table.Add(LoadCharInfo(fixture.db(), Utf8ToGbk(c)));
    LuckTables luck = LuckTables::Load(fixture.db());
    return ScoreName(table, luck, "李"_gbk, "志强"_gbk).score;
}

TEST(NameScoreTest, ScoreTable) {
    struct Case {
        const char* what;
        int number;        // grid number whose word changes, 0 for none
        const char* word;  // its word
        bool drop_talents;
        int expected;
    };
    const Case cases[] = {
        {"all 大吉", 0, "", false, 100},
        {"天格 大凶", LiZhiqiang::kHeaven, "大凶", false, 96},
        {"天格 凶", LiZhiqiang::kHeaven, "凶", false, 98},
        {"天格 中", LiZhiqiang::kHeaven, "中", false, 99},
        {"天格 吉", LiZhiqiang::kHeaven, "吉", false, 100},
        {"人格 中", LiZhiqiang::kPerson, "中", false, 95},
        {"地格 半吉 counts 0", LiZhiqiang::kEarth, "半吉", false, 80},
        {"no three-talents row", 0, "", true, 85},
    };
    for (const Case& c : cases) {
        test::FixtureDatabase content;
        if (c.number != 0) content.SetNumberLuck(c.number, c.word);
        if (c.drop_talents) content.RemoveTalents("金火水");
        EXPECT_EQ(ScoreWith(content), c.expected) << c.what;
    }
}

TEST(NameScoreTest, AllWorstWordsScore30) {
    test::FixtureDatabase content;
    for (int id = 1; id <= 81; ++id)
        content.SetNumberLuck(id, "大凶");
    content.SetTalentsLuck("金火水", "大凶");
    EXPECT_EQ(ScoreWith(content), 30);
}

TEST(NameScoreTest, NumbersWithoutARowCountZero) {
    test::FixtureDatabase content;
    content.RemoveNumber(LiZhiqiang::kTotal);  // like a 总格 above 81
    EXPECT_EQ(ScoreWith(content), 80);
}

TEST(NameScoreTest, RowTextsOfTheName) {
    test::LoadedFixture fixture;
    CharTable table;
    for (const char* c : {"李", "志", "强"})
        table.Add(LoadCharInfo(fixture.db(), Utf8ToGbk(c)));
    NameScore score = ScoreName(table, LuckTables::Load(fixture.db()), "李"_gbk, "志强"_gbk);
    EXPECT_EQ(score.grids_text, "8,14,19,26,13");
    EXPECT_EQ(score.talents_key, "金火水"_gbk);
    EXPECT_EQ(score.grids.simplified_total, 26);
    EXPECT_EQ(score.grids.elements, "火火木"_gbk);
}

TEST(NameScoreTest, ThreeTalentsKeyByLastDigits) {
    FiveGrids g;
    g.heaven = 8, g.person = 19, g.earth = 21;
    EXPECT_EQ(ThreeTalentsKey(g), "金水木"_gbk);
    g.heaven = 10, g.person = 20, g.earth = 30;
    EXPECT_EQ(ThreeTalentsKey(g), "水水水"_gbk);
}

TEST(NameScoreTest, LuckFactorsOfTheWords) {
    EXPECT_EQ(LuckFactor("大吉"_gbk), 100);
    EXPECT_EQ(LuckFactor("吉"_gbk), 100);
    EXPECT_EQ(LuckFactor("中"_gbk), 85);
    EXPECT_EQ(LuckFactor("凶"_gbk), 60);
    EXPECT_EQ(LuckFactor("大凶"_gbk), 30);
    EXPECT_EQ(LuckFactor("半吉"_gbk), 0);
    EXPECT_EQ(LuckFactor(""), 0);
    EXPECT_EQ(LuckFactor("大吉 "_gbk), 0);  // whole texts only
}

TEST(NameScoreTest, HeavenGridLuckLooksUpTheSurnamesHeavenGrid) {
    test::FixtureDatabase content;
    content.SetNumberLuck(8, "凶").SetNumberLuck(32, "中");  // 李 7 + 1; 欧 15 + 阳 17
    test::LoadedFixture fixture(content);
    CharTable table;
    for (const char* c : {"李", "欧", "阳"})
        table.Add(LoadCharInfo(fixture.db(), Utf8ToGbk(c)));
    LuckTables luck = LuckTables::Load(fixture.db());
    EXPECT_EQ(HeavenGridLuck(table, luck, "李"_gbk), "凶"_gbk);
    EXPECT_EQ(HeavenGridLuck(table, luck, "欧阳"_gbk), "中"_gbk);
}

}  // namespace
}  // namespace qinghe
