#include <gtest/gtest.h>

#include <string>

#include "generation/builtin_lists_gbk.h"
#include "generation/engine_test_support.h"
#include "text/contains_characters.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

using test::EngineRun;

// Element boxes in the caption order 金 木 水 火 土.
ElementFilterRow Row(bool master, std::string ticked_utf8) {
    ElementFilterRow row;
    row.master = master;
    const std::string captions[] = {"金", "木", "水", "火", "土"};
    for (size_t i = 0; i < 5; ++i)
        row.elements[i] = ticked_utf8.find(captions[i]) != std::string::npos;
    return row;
}

// The elements of the two given characters: the elements column holds the
// surname's element first.
std::pair<std::string, std::string> GivenElements(const NameCandidate& row) {
    return {GbkToUtf8(row.elements.substr(2, 2)), GbkToUtf8(row.elements.substr(4, 2))};
}

class SuperRun : public EngineRun {
  public:
    explicit SuperRun(const test::FixtureDatabase& content = test::PoolFixture())
        : EngineRun(content) {
        host.inputs.mode = GenerationMode::kSuperLucky;
    }
};

TEST(SuperLuckyModeTest, SecondAndThirdCharacterFilters) {
    SuperRun run;
    run.host.inputs.filters.second = Row(true, "金水");
    run.host.inputs.filters.third = Row(true, "");  // nothing ticked: all five
    run.Run();
    auto rows = run.host.filled_rows(ResultList::kSuperLucky);
    ASSERT_FALSE(rows.empty());
    std::set<std::string> thirds;
    for (const auto& row : rows) {
        auto [second, third] = GivenElements(row);
        EXPECT_TRUE(second == "金" || second == "水") << second;
        thirds.insert(third);
    }
    EXPECT_EQ(thirds.size(), 5u);
}

TEST(SuperLuckyModeTest, RequiredAndForbiddenElements) {
    {
        SuperRun run;
        run.host.inputs.filters.required = Row(true, "木");
        run.host.inputs.filters.forbidden = Row(true, "");
        run.Run();
        auto rows = run.host.filled_rows(ResultList::kSuperLucky);
        ASSERT_FALSE(rows.empty());
        for (const auto& row : rows)
            EXPECT_EQ(GivenElements(row), std::make_pair(std::string("木"), std::string("木")));
    }
    {
        SuperRun run;
        run.host.inputs.filters.forbidden = Row(true, "火");
        run.Run();
        auto rows = run.host.filled_rows(ResultList::kSuperLucky);
        ASSERT_FALSE(rows.empty());
        for (const auto& row : rows) {
            auto [second, third] = GivenElements(row);
            EXPECT_NE(second, "火");
            EXPECT_NE(third, "火");
        }
    }
}

TEST(SuperLuckyModeTest, HeavenGridBadMeansEveryScoreIs98) {
    test::FixtureDatabase content = test::PoolFixture();
    content.SetNumberLuck(8, "凶");  // 李 7 + 1
    SuperRun run(content);
    run.host.inputs.filters.required = Row(true, "土");
    run.Run();
    auto rows = run.host.filled_rows(ResultList::kSuperLucky);
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows)
        EXPECT_EQ(row.score, 98);
    auto events = run.host.events();
    EXPECT_NE(std::find(events.begin(), events.end(), "placeholders 超级列表框_超吉起名 100001"),
              events.end());
    EXPECT_EQ(run.host.enabled(Control::kSuperLuckyGenerate), true);
    EXPECT_EQ(run.host.enabled(Control::kSuperLuckyExport), true);
    EXPECT_EQ(run.host.enabled(Control::kSuperLuckyPause), true);
}

TEST(SuperLuckyModeTest, NoMasterTickedBuildsNothing) {
    SuperRun run;
    run.Run();
    EXPECT_TRUE(run.host.filled_rows(ResultList::kSuperLucky).empty());
    EXPECT_FALSE(run.host.waiting_box_open());
    EXPECT_EQ(run.host.enabled(Control::kToolbarModeSelect), true);
}

TEST(SuperLuckyModeTest, GirlsAndBoysDrawFromTheirOwnPools) {
    for (const char* sex : {"男", "女"}) {
        SuperRun run;
        run.host.inputs.sex = Utf8ToGbk(sex);
        run.host.inputs.filters.required = Row(true, "金");
        run.Run();
        const std::string& pool = std::string(sex) == "男" ? MalePool() : FemalePool();
        auto rows = run.host.filled_rows(ResultList::kSuperLucky);
        ASSERT_FALSE(rows.empty());
        for (const auto& row : rows) {
            EXPECT_TRUE(ContainsCharacters(pool, row.name.substr(2, 2)));
            EXPECT_TRUE(ContainsCharacters(pool, row.name.substr(4, 2)));
        }
    }
}

}  // namespace
}  // namespace qinghe
