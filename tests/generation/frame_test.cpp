// The frame every mode shares: start and end of a run, the pair rule, the
// surname filter, sorting and numbering.
#include <gtest/gtest.h>

#include <algorithm>

#include "generation/engine_test_support.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

using test::EngineRun;
using test::GivenNames;
using Names = std::vector<std::string>;

TEST(GenerationFrameTest, EmptySurnameShowsTheMessageAndEndsNormally) {
    EngineRun run;
    run.host.inputs.surname.clear();
    run.host.inputs.mode = GenerationMode::kHighScore;
    run.Run();
    auto messages = run.host.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "请输入姓氏");
    EXPECT_EQ(messages[0].title, "提示");
    EXPECT_EQ(messages[0].icon, MessageIcon::kNone);
    EXPECT_FALSE(run.host.waiting_box_open());
    EXPECT_EQ(run.host.enabled(Control::kToolbarModeSelect), true);
    EXPECT_EQ(run.host.enabled(Control::kRadioHighScore), true);
    EXPECT_TRUE(run.host.rows(ResultList::kHighScore).empty());  // no mode ran
}

TEST(GenerationFrameTest, PairRuleAndSurnameFilter) {
    // Pool A, B and the surname S: AA AB AS BA BB BS SA SB SS are built and
    // every pair holding the surname is dropped.
    EngineRun run;
    run.host.inputs.mode = GenerationMode::kCombination;
    run.host.inputs.combination_text = "明华"_gbk;
    run.Run();
    EXPECT_EQ(GivenNames(run.host.filled_rows(ResultList::kCombination)),
              (Names{"明明", "明华", "华明", "华华"}));
}

TEST(GenerationFrameTest, RowsAreSortedByScoreAndNumberedFromOne) {
    test::FixtureDatabase content;
    content.SetNumberLuck(16, "大凶");  // 李 7 + 明 8 + 1: the person grid of 李明…
    EngineRun run(content);
    run.host.inputs.mode = GenerationMode::kCombination;
    run.host.inputs.combination_text = "明华志"_gbk;
    run.Run();
    auto rows = run.host.filled_rows(ResultList::kCombination);
    ASSERT_EQ(rows.size(), 9u);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].number, static_cast<int>(i) + 1);
        if (i > 0) {
            EXPECT_LE(rows[i].score, rows[i - 1].score);
        }
    }
}

TEST(GenerationFrameTest, RowColumnsOfACandidate) {
    EngineRun run;
    run.host.inputs.mode = GenerationMode::kCombination;
    run.host.inputs.combination_text = "志强"_gbk;
    run.host.inputs.generation_char = {GenerationCharKind::kThird, "", "强"_gbk};
    run.Run();
    auto rows = run.host.filled_rows(ResultList::kCombination);
    auto it =
        std::find_if(rows.begin(), rows.end(), [](auto& r) { return r.name == "李志强"_gbk; });
    ASSERT_NE(it, rows.end());
    EXPECT_EQ(it->simplified_strokes, 26);
    EXPECT_EQ(it->kangxi_strokes, 26);
    EXPECT_EQ(it->elements, "火火木"_gbk);
    EXPECT_EQ(it->grids, "8,14,19,26,13");
    EXPECT_EQ(it->talents, "金火水"_gbk);
    EXPECT_EQ(it->score, 100);
}

TEST(GenerationFrameTest, PoolWithoutKnownCharactersGivesAnEmptyListAndANormalEnd) {
    EngineRun run;
    run.host.inputs.surname = "龘"_gbk;  // unknown like every pool entry
    run.host.inputs.mode = GenerationMode::kCombination;
    run.host.inputs.combination_text = "鬯鼗"_gbk;
    run.Run();
    EXPECT_TRUE(run.host.filled_rows(ResultList::kCombination).empty());
    EXPECT_FALSE(run.host.waiting_box_open());
    EXPECT_EQ(run.host.enabled(Control::kMenuModeSelect), true);
}

TEST(GenerationFrameTest, OddSurnamesNeverCrashAndBuildOnlyFromKnownCharacters) {
    for (const char* surname : {"abc", "李王张", "1 2", " ", "欧阳"}) {
        EngineRun run;
        run.host.inputs.surname = Utf8ToGbk(surname);
        run.host.inputs.mode = GenerationMode::kCombination;
        run.host.inputs.combination_text = "明 a华"_gbk;
        run.Run();
        // First characters are always known ones: 明, 华 or a known surname character.
        for (const auto& row : run.host.filled_rows(ResultList::kCombination)) {
            std::string first = row.name.substr(run.host.inputs.surname.size(), 2);
            EXPECT_TRUE(LoadCharInfo(run.db(), first).known()) << surname;
        }
        EXPECT_FALSE(run.host.waiting_box_open()) << surname;
    }
}

TEST(GenerationFrameTest, SurnameFilterMatchesWholeCharactersOnly) {
    // The trail byte of 碍 and the lead byte of 粑 together form a surname
    // text; it is not inside the name 碍粑.
    test::FixtureDatabase content;
    content.AddChar(test::FixtureChar::Of("碍", 13, 13, "火"))
        .AddChar(test::FixtureChar::Of("粑", 10, 10, "木"));
    EngineRun run(content);
    // Not a real character, but a surname text all the same.
    const std::string surname = ("碍"_gbk + "粑"_gbk).substr(1, 2);
    ASSERT_GT(static_cast<unsigned char>(surname[0]), 122);
    run.host.inputs.surname = surname;
    run.host.inputs.mode = GenerationMode::kCombination;
    run.host.inputs.combination_text = "碍粑"_gbk;
    run.Run();
    auto names = GivenNames(run.host.filled_rows(ResultList::kCombination));
    EXPECT_NE(std::find(names.begin(), names.end(), "碍粑"), names.end());
}

TEST(GenerationFrameTest, OneCharacterNamesShowTheMessageBeforeAnyRow) {
    for (GenerationMode mode :
         {GenerationMode::kHighScore, GenerationMode::kCombination, GenerationMode::kPoetry}) {
        EngineRun run(test::PoolFixture());
        run.host.inputs.mode = mode;
        run.host.inputs.name_length = "一字"_gbk;
        run.host.inputs.combination_text = "明华"_gbk;
        run.host.inputs.poem_boxes = {{"明"_gbk, true}};
        run.Run();
        auto events = run.host.events();
        auto message = std::find(events.begin(), events.end(),
                                 "message 一字名数理得分较低,所以软件自动降低评分标准!");
        auto first_row = std::find_if(events.begin(), events.end(),
                                      [](auto& e) { return e.rfind("first row", 0) == 0; });
        ASSERT_NE(message, events.end());
        ASSERT_NE(first_row, events.end());
        EXPECT_LT(message, first_row);
        EXPECT_EQ(run.host.messages()[0].icon, MessageIcon::kInformation);
    }
}

}  // namespace
}  // namespace qinghe
