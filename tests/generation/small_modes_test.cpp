// The combination, nickname, poetry and English modes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "generation/engine_test_support.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

using test::EngineRun;
using test::GivenNames;
using Names = std::vector<std::string>;

std::map<std::string, int> Counts(const Names& names) {
    std::map<std::string, int> counts;
    for (const auto& name : names)
        ++counts[name];
    return counts;
}

TEST(CombinationModeTest, KeepsOnlyHanziAndRepeats) {
    // 明, a space, the letter a, 华, 明 and the surname 李: the pool is 明 华 明 李.
    EngineRun run;
    run.host.inputs.mode = GenerationMode::kCombination;
    run.host.inputs.combination_text = "明 a华明"_gbk;
    run.Run();
    auto counts = Counts(GivenNames(run.host.filled_rows(ResultList::kCombination)));
    EXPECT_EQ(counts,
              (std::map<std::string, int>{{"明明", 4}, {"明华", 2}, {"华明", 2}, {"华华", 1}}));
    auto events = run.host.events();
    EXPECT_NE(std::find(events.begin(), events.end(), "placeholders 超级列表框_组合列表 16"),
              events.end());
}

TEST(CombinationModeTest, GenerationCharacterFixesSecondOrThird) {
    for (auto kind : {GenerationCharKind::kSecond, GenerationCharKind::kThird}) {
        EngineRun run;
        run.host.inputs.mode = GenerationMode::kCombination;
        run.host.inputs.combination_text = "明华"_gbk;
        run.host.inputs.generation_char = {kind, "志"_gbk, "强"_gbk};
        run.Run();
        Names names = GivenNames(run.host.filled_rows(ResultList::kCombination));
        std::sort(names.begin(), names.end());
        Names expected =
            kind == GenerationCharKind::kSecond ? Names{"志华", "志明"} : Names{"华强", "明强"};
        EXPECT_EQ(names, expected);
    }
}

TEST(CombinationModeTest, OneCharacterIgnoresTheGenerationCharacter) {
    EngineRun run;
    run.host.inputs.mode = GenerationMode::kCombination;
    run.host.inputs.name_length = "一字"_gbk;
    run.host.inputs.combination_text = "明华"_gbk;
    run.host.inputs.generation_char = {GenerationCharKind::kSecond, "志"_gbk, ""};
    run.Run();
    Names names = GivenNames(run.host.filled_rows(ResultList::kCombination));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"华", "明"}));
}

TEST(NicknameModeTest, PatternsAndTheRowsOfCharactersInBothPools) {
    struct Case {
        NicknamePattern pattern;
        const char* expected_for_ming;
    };
    for (const Case& c :
         {Case{NicknamePattern::kDoubled, "明明"}, Case{NicknamePattern::kXiaoPrefix, "小明"},
          Case{NicknamePattern::kErSuffix, "明儿"}, Case{NicknamePattern::kAhPrefix, "阿明"}}) {
        EngineRun run(test::PoolFixture());
        run.host.inputs.mode = GenerationMode::kNickname;
        run.host.inputs.surname = "王"_gbk;
        run.host.inputs.nickname = c.pattern;
        run.Run();
        auto counts = Counts(GivenNames(run.host.filled_rows(ResultList::kNickname)));
        EXPECT_EQ(counts[c.expected_for_ming], 2) << c.expected_for_ming;  // 明 is in both pools
        EXPECT_EQ(counts.count("小王") + counts.count("王王") + counts.count("王儿") +
                      counts.count("阿王"),
                  0u);
        if (c.pattern == NicknamePattern::kDoubled) {
            for (const auto& [name, count] : counts)
                EXPECT_EQ(name.substr(0, 3), name.substr(3));
        }
    }
}

TEST(NicknameModeTest, NoPatternListsNothing) {
    EngineRun run(test::PoolFixture());
    run.host.inputs.mode = GenerationMode::kNickname;
    run.host.inputs.nickname = NicknamePattern::kNone;
    run.Run();
    EXPECT_TRUE(run.host.filled_rows(ResultList::kNickname).empty());
}

std::vector<PoemCharBox> Boxes(std::initializer_list<std::pair<const char*, bool>> boxes) {
    std::vector<PoemCharBox> result;
    for (auto [caption, ticked] : boxes)
        result.push_back({Utf8ToGbk(caption), ticked});
    return result;
}

TEST(PoetryModeTest, TickedCharactersOnceEachAndPairs) {
    EngineRun run(test::PoolFixture());
    run.host.inputs.mode = GenerationMode::kPoetry;
    run.host.inputs.surname = "王"_gbk;
    run.host.inputs.poem_boxes =
        Boxes({{"春", true}, {"眠", false}, {"风", true}, {"春", true}, {"月", true}});
    run.Run();
    Names names = GivenNames(run.host.filled_rows(ResultList::kPoetry));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (Names{"春春", "春月", "春风", "月春", "月月", "月风", "风春", "风月", "风风"}));
    auto events = run.host.events();
    EXPECT_NE(std::find(events.begin(), events.end(), "page 100"), events.end());
}

TEST(PoetryModeTest, OneCharacterAndGenerationCharacter) {
    {
        EngineRun run(test::PoolFixture());
        run.host.inputs.mode = GenerationMode::kPoetry;
        run.host.inputs.surname = "王"_gbk;
        run.host.inputs.name_length = "一字"_gbk;
        run.host.inputs.poem_boxes =
            Boxes({{"春", true}, {"风", true}, {"春", true}, {"月", true}});
        run.Run();
        Names names = GivenNames(run.host.filled_rows(ResultList::kPoetry));
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (Names{"春", "月", "风"}));
        EXPECT_EQ(run.host.messages().size(), 1u);
    }
    {
        EngineRun run(test::PoolFixture());
        run.host.inputs.mode = GenerationMode::kPoetry;
        run.host.inputs.surname = "王"_gbk;
        run.host.inputs.poem_boxes = Boxes({{"春", true}, {"风", true}, {"月", true}});
        run.host.inputs.generation_char = {GenerationCharKind::kSecond, "志"_gbk, ""};
        run.Run();
        Names names = GivenNames(run.host.filled_rows(ResultList::kPoetry));
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (Names{"志春", "志月", "志风"}));
    }
}

TEST(PoetryModeTest, TwoCharacterSurnameAndPunctuation) {
    EngineRun run(test::PoolFixture());
    run.host.inputs.mode = GenerationMode::kPoetry;
    run.host.inputs.surname = "欧阳"_gbk;
    run.host.inputs.poem_boxes = Boxes({{"春", true}, {"？", true}});
    run.Run();
    Names names = GivenNames(run.host.filled_rows(ResultList::kPoetry), 4);
    std::sort(names.begin(), names.end());
    // The question mark is never first; as a second character it counts 0.
    // Both surname characters are in the pool, and no name holds 欧阳.
    EXPECT_EQ(names, (Names{"春春", "春欧", "春阳", "春？", "欧春", "欧欧", "欧？", "阳春", "阳欧",
                            "阳阳", "阳？"}));
}

TEST(PoetryModeTest, NoTickListsNothing) {
    EngineRun run(test::PoolFixture());
    run.host.inputs.mode = GenerationMode::kPoetry;
    run.host.inputs.poem_boxes = Boxes({{"春", false}});
    run.Run();
    EXPECT_TRUE(run.host.filled_rows(ResultList::kPoetry).empty());
}

test::FixtureDatabase EnglishFixture() {
    test::FixtureDatabase content;
    auto c = test::FixtureChar::Of("晓", 10, 16, "火");
    c.pinyin_plain = "xiao";
    c.initial = "x";
    content.AddChar(c);
    c = test::FixtureChar::Of("安", 6, 6, "土");
    c.pinyin_plain = "an";
    content.AddChar(c);
    c = test::FixtureChar::Of("斌", 11, 12, "水");
    c.pinyin_plain = "bin";
    c.initial = "B";
    content.AddChar(c);
    // Id, EIndex, EIndex2, Name, NameLength, Sex, Cnword, Morphology, Languag, Mean
    auto name = [&](int id, const char* i1, const char* i2, const char* n, int sex,
                    const char* mean) {
        content.AddRow("QH_EName",
                       {std::int64_t{id}, std::string(i1), std::string(i2), std::string(n),
                        std::string("5"), std::int64_t{sex}, std::string("读") + n, std::string(),
                        std::string(), std::string(mean)});
    };
    name(1, "s", "sh", "Shane", 1, "上帝仁慈");
    name(2, "s", "", "Sam", 1, "听者");
    name(3, "s", "sh", "Sharon", 2, "平原");
    name(4, "s", "sh", "Shawn", 1, "仁慈");
    name(5, "i", "", "Ivan", 1, "恩典");
    name(6, "b", "", "Blair", 3, "平原");
    name(7, "b", "br", "Brook", 3, "小溪");
    name(8, "b", "", "Bella", 2, "美丽");
    return content;
}

TEST(EnglishModeTest, InitialKeysGenderAndTableOrder) {
    struct Case {
        const char* given;
        int gender;
        Names expected;
    };
    const Case cases[] = {
        {"晓明", 1, {"Shane", "Shawn"}},  // x → sh
        {"安", 1, {"Ivan"}},              // no initial, pinyin starts with a → i
        {"斌", 3, {"Blair"}},             // b stays b; upper case initials read lower
        {"斌", 0, {}},                    // no gender ticked
        {"龘", 1, {}},                    // unknown character
    };
    for (const Case& c : cases) {
        EngineRun run(EnglishFixture());
        run.host.inputs.mode = GenerationMode::kEnglish;
        run.host.inputs.english_given = Utf8ToGbk(c.given);
        run.host.inputs.english_gender = c.gender;
        run.Run();
        Names names;
        int number = 1;
        for (const auto& row : run.host.english_rows()) {
            names.push_back(GbkToUtf8(row.name));
            EXPECT_EQ(row.number, number++);
        }
        EXPECT_EQ(names, c.expected) << c.given;
        EXPECT_FALSE(run.host.waiting_box_open());
    }
}

TEST(EnglishModeTest, RowsCarryReadingAndMeaning) {
    EngineRun run(EnglishFixture());
    run.host.inputs.mode = GenerationMode::kEnglish;
    run.host.inputs.english_given = "晓"_gbk;
    run.Run();
    auto rows = run.host.english_rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(GbkToUtf8(rows[0].chinese_reading), "读Shane");
    EXPECT_EQ(GbkToUtf8(rows[0].meaning), "上帝仁慈");
}

}  // namespace
}  // namespace qinghe
