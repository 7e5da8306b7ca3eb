#include <gtest/gtest.h>

#include <algorithm>

#include "generation/builtin_lists_gbk.h"
#include "generation/engine_test_support.h"
#include "text/gbk_literal.h"
#include "text/split_characters.h"

namespace qinghe {
namespace {

using test::EngineRun;

// The names of a classic page, surname cut off, split at the separators.
std::vector<std::string> NamesOfPage(const std::string& text, const std::string& surname,
                                     const std::string& separator) {
    std::vector<std::string> names;
    std::string flat;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] != '\r' && text[i] != '\n') flat += text[i];
    for (size_t start = 0; start < flat.size();) {
        size_t end = flat.find(separator, start);
        names.push_back(flat.substr(start + surname.size(), end - start - surname.size()));
        start = end + separator.size();
    }
    return names;
}

TEST(ClassicModeTest, BoysTwoCharacterPage) {
    EngineRun run;
    run.host.inputs.mode = GenerationMode::kClassic;
    run.host.inputs.surname = "王"_gbk;
    run.Run();
    const std::string text = run.host.classic_text();
    ASSERT_EQ(text.substr(0, 2), "王"_gbk);
    EXPECT_EQ(text.substr(6, 2), "  ");
    // Fourteen names a line, then a blank line.
    const size_t line = 14 * (2 + 4 + 2);
    EXPECT_EQ(text.substr(line, 4), "\r\n\r\n");
    EXPECT_EQ(text.substr(line + 4, 2), "王"_gbk);

    std::vector<std::string> shown = NamesOfPage(text, "王"_gbk, "  ");
    std::vector<std::string> listed;
    for (size_t start = 0; start < ClassicMaleNames().size();) {
        size_t comma = ClassicMaleNames().find(',', start);
        listed.push_back(ClassicMaleNames().substr(start, comma - start));
        start = comma + 1;
    }
    EXPECT_EQ(listed.size(), 2910u);
    std::sort(shown.begin(), shown.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(shown, listed);  // every entry once
    auto events = run.host.events();
    EXPECT_NE(std::find(events.begin(), events.end(), "page 10"), events.end());
    EXPECT_FALSE(run.host.waiting_box_open());
}

TEST(ClassicModeTest, GirlsOneCharacterPage) {
    EngineRun run;
    run.host.inputs.mode = GenerationMode::kClassic;
    run.host.inputs.sex = "女"_gbk;
    run.host.inputs.name_length = "一字"_gbk;
    run.Run();
    const std::string text = run.host.classic_text();
    const size_t line = 16 * (2 + 2 + 3);
    EXPECT_EQ(text.substr(line, 4), "\r\n\r\n");
    EXPECT_EQ(text.substr(4, 3), "   ");
    std::vector<std::string> shown = NamesOfPage(text, "李"_gbk, "   ");
    EXPECT_EQ(shown.size(), 294u);
    std::vector<std::string> listed = SplitCharacters(ClassicFemaleSingles());
    std::sort(shown.begin(), shown.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(shown, listed);
}

TEST(ClassicModeTest, BuiltInListsHaveTheirSizesAndFirstNames) {
    EXPECT_EQ(ClassicMaleNames().substr(0, 15), "博涛,鑫磊,靖琪,"_gbk);
    EXPECT_EQ(ClassicFemaleNames().substr(0, 15), "梦璐,熙雯,莉姿,"_gbk);
    EXPECT_EQ(std::count(ClassicMaleNames().begin(), ClassicMaleNames().end(), ','), 2910);
    EXPECT_EQ(std::count(ClassicFemaleNames().begin(), ClassicFemaleNames().end(), ','), 2134);
    EXPECT_EQ(ClassicMaleNames().back(), ',');
    EXPECT_EQ(SplitCharacters(ClassicMaleSingles()).size(), 841u);
    EXPECT_EQ(SplitCharacters(ClassicFemaleSingles()).size(), 294u);
    EXPECT_EQ(SplitCharacters(MalePool()).size(), 1854u);
    EXPECT_EQ(SplitCharacters(FemalePool()).size(), 973u);
    EXPECT_EQ(SplitCharacters(NicknamePool()).size(), 2827u);
}

}  // namespace
}  // namespace qinghe
