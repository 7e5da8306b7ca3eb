#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "generation/engine_test_support.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

using test::EngineRun;

bool SortedAndNumbered(const std::vector<NameCandidate>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].number != static_cast<int>(i) + 1) return false;
        if (i > 0 && rows[i].score > rows[i - 1].score) return false;
    }
    return true;
}

TEST(HighScoreModeTest, ListsAtMostTenThousandNamesSortedAndNumbered) {
    EngineRun run(test::PoolFixture());  // every word 大吉: every name scores 100
    run.host.inputs.mode = GenerationMode::kHighScore;
    const RunStats& stats = run.Run().stats();
    auto rows = run.host.filled_rows(ResultList::kHighScore);
    EXPECT_EQ(rows.size(), 10000u);
    EXPECT_EQ(run.host.rows(ResultList::kHighScore).size(),
              10000u);  // the last placeholder is gone
    EXPECT_TRUE(SortedAndNumbered(rows));
    EXPECT_EQ(stats.candidates, 401u * 401u);  // known entries × all entries, surname included
    auto events = run.host.events();
    EXPECT_NE(std::find(events.begin(), events.end(), "placeholders 超级列表框_高分起名 10001"),
              events.end());
}

TEST(HighScoreModeTest, ListsOnlyNamesScoringNinetyOrMore) {
    test::FixtureDatabase content = test::PoolFixture();
    for (int id = 1; id <= 81; id += 2)
        content.SetNumberLuck(id, "凶");
    for (int id = 2; id <= 81; id += 4)
        content.SetNumberLuck(id, "中");
    EngineRun run(content);
    run.host.inputs.mode = GenerationMode::kHighScore;
    const RunStats& stats = run.Run().stats();
    auto rows = run.host.filled_rows(ResultList::kHighScore);
    ASSERT_FALSE(rows.empty());
    EXPECT_LT(rows.size(), stats.scored);  // some names fell below the threshold
    for (const auto& row : rows)
        EXPECT_GE(row.score, 90);
    EXPECT_TRUE(SortedAndNumbered(rows));
}

TEST(HighScoreModeTest, ButtonsAndWaitingBoxThroughTheRun) {
    EngineRun run(test::PoolFixture());
    run.host.inputs.mode = GenerationMode::kHighScore;
    run.Run();
    auto events = run.host.events();
    auto at = [&](const std::string& e) {
        return std::find(events.begin(), events.end(), e) - events.begin();
    };
    EXPECT_LT(at("disable 按钮_高分暂停"), at("page 1"));
    EXPECT_LT(at("first row 超级列表框_高分起名"), at("waiting-box closed"));
    EXPECT_LT(at("waiting-box closed"), at("enable 按钮_高分暂停"));
    EXPECT_LT(at("sorted 超级列表框_高分起名"), at("enable 按钮_再生成一次"));
    EXPECT_EQ(run.host.enabled(Control::kHighScoreExport), true);
    EXPECT_EQ(run.host.enabled(Control::kToolbarModeSelect), true);
}

TEST(HighScoreModeTest, GirlOneCharacterListsEveryKnownCharacterOnce) {
    EngineRun run(test::PoolFixture());
    run.host.inputs.mode = GenerationMode::kHighScore;
    run.host.inputs.sex = "女"_gbk;
    run.host.inputs.name_length = "一字"_gbk;
    run.host.inputs.surname = "王"_gbk;  // 王 is in the girls' pool: it is not listed
    run.Run();
    auto rows = run.host.filled_rows(ResultList::kHighScore);
    std::set<std::string> given;
    for (const auto& row : rows)
        given.insert(row.name.substr(2));
    EXPECT_EQ(rows.size(), 972u);
    EXPECT_EQ(given.size(), 972u);
    EXPECT_EQ(given.count("王"_gbk), 0u);
    EXPECT_EQ(run.host.messages().size(), 1u);
}

TEST(HighScoreModeTest, GenerationCharacterListsEveryCandidateAfterAWarning) {
    test::FixtureDatabase content = test::PoolFixture();
    for (int id = 1; id <= 81; id += 3)
        content.SetNumberLuck(id, "大凶");
    EngineRun run(content);
    run.host.inputs.mode = GenerationMode::kHighScore;
    run.host.inputs.surname = "张"_gbk;  // in neither pool
    run.host.inputs.generation_char = {GenerationCharKind::kSecond, "志"_gbk, ""};
    const RunStats& stats = run.Run().stats();
    auto messages = run.host.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "设定辈份后,产生的名字较少,所以系统将显示全部名字");
    EXPECT_EQ(messages[0].icon, MessageIcon::kWarning);
    auto rows = run.host.filled_rows(ResultList::kHighScore);
    EXPECT_EQ(rows.size(), stats.scored);  // nothing below a threshold
    EXPECT_EQ(stats.candidates, 401u);     // 志 + each known pool entry, the surname included
    EXPECT_EQ(rows.size(), 400u);          // 志张 holds the surname
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](auto& r) { return r.score < 90; }));
    for (const auto& row : rows)
        EXPECT_EQ(row.name.substr(2, 2), "志"_gbk);
}

TEST(HighScoreModeTest, TwoCharacterSurnameCountsBothCharacters) {
    EngineRun run(test::PoolFixture());
    run.host.inputs.mode = GenerationMode::kHighScore;
    run.host.inputs.surname = "欧阳"_gbk;
    run.Run();
    auto rows = run.host.filled_rows(ResultList::kHighScore);
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        EXPECT_EQ(row.grids.substr(0, 3), "32,");  // 欧 15 + 阳 17
        EXPECT_EQ(row.name.substr(4).find("欧阳"_gbk), std::string::npos);
    }
}

TEST(HighScoreModeTest, EachRunDrawsANewSelection) {
    EngineRun first(test::PoolFixture()), second(test::PoolFixture());
    first.host.inputs.mode = second.host.inputs.mode = GenerationMode::kHighScore;
    first.Run(1);
    second.Run(2);
    std::set<std::string> a, b;
    for (const auto& row : first.host.filled_rows(ResultList::kHighScore))
        a.insert(row.name);
    for (const auto& row : second.host.filled_rows(ResultList::kHighScore))
        b.insert(row.name);
    EXPECT_NE(a, b);
}

}  // namespace
}  // namespace qinghe
