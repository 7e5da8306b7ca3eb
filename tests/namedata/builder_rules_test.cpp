// The data builder's derivation rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "element_rule.h"
#include "kangxi_strokes.h"
#include "pinyin_parts.h"
#include "radicals.h"
#include "source_files.h"
#include "support/temp_dir.h"
#include "team_data.h"
#include "unihan.h"

namespace namedata {
namespace {

TEST(PinyinPartsTest, TonelessInitialAndFinal) {
    struct Case {
        const char* marked;
        const char* plain;
        const char* initial;
        const char* final_part;
    };
    const Case cases[] = {
        {"lǘ", "lv", "l", "v"},         {"nǚ", "nv", "n", "v"},     {"zhuāng", "zhuang", "z", "uang"},
        {"chū", "chu", "c", "u"},       {"shì", "shi", "s", "i"},   {"yáng", "yang", "y", "ang"},
        {"wén", "wen", "w", "en"},      {"ān", "an", "", "an"},     {"ér", "er", "", "er"},
        {"ōu", "ou", "", "ou"},         {"xuān", "xuan", "x", "uan"}, {"rú", "ru", "r", "u"},
    };
    for (const Case& c : cases) {
        std::string plain = Toneless(c.marked);
        EXPECT_EQ(plain, c.plain) << c.marked;
        EXPECT_EQ(InitialLetter(plain), c.initial) << c.marked;
        EXPECT_EQ(FinalPart(plain), c.final_part) << c.marked;
    }
}

TEST(RadicalsTest, StrokesFollowTheRadicalNumber) {
    struct Case {
        int radical;
        int strokes;
    };
    const Case cases[] = {{1, 1},   {6, 1},   {7, 2},   {9, 2},    {61, 4},   {64, 4},  {85, 4},  {94, 4},
                          {96, 5},  {113, 5}, {120, 6}, {130, 6},  {140, 6},  {145, 6}, {149, 7}, {162, 7},
                          {163, 7}, {167, 8}, {170, 8}, {173, 8},  {214, 17}, {0, 0},   {215, 0}};
    for (const Case& c : cases) EXPECT_EQ(RadicalStrokes(c.radical), c.strokes) << c.radical;
}

TEST(RadicalsTest, ParsesRadicalStrokeValues) {
    RadicalStroke water = ParseRadicalStroke("85.9");
    EXPECT_EQ(water.radical, 85);
    EXPECT_FALSE(water.simplified_radical);
    EXPECT_EQ(water.residual, 9);
    RadicalStroke silk = ParseRadicalStroke("120'.3 120.5");
    EXPECT_EQ(silk.radical, 120);
    EXPECT_TRUE(silk.simplified_radical);
    EXPECT_EQ(silk.residual, 3);
    EXPECT_FALSE(ParseRadicalStroke("nonsense").valid());
}

TEST(ElementRuleTest, RadicalFirstThenInitial) {
    struct Case {
        const char* radical;
        int kangxi;
        const char* initial;
        const char* element;
    };
    const Case cases[] = {
        {"氵", 85, "h", "水"}, {"雨", 173, "x", "水"}, {"艹", 140, "f", "木"}, {"禾", 115, "x", "木"},
        {"灬", 86, "z", "火"}, {"日", 72, "m", "火"},  {"山", 46, "y", "土"},  {"钅", 167, "m", "金"},
        {"王", 96, "l", "金"}, {"", 18, "l", "金"},    // 刂 known only by its number
        {"口", 30, "b", "水"}, {"口", 30, "d", "火"},  {"口", 30, "g", "木"},  {"口", 30, "q", "木"},
        {"口", 30, "z", "金"}, {"口", 30, "r", "金"},  {"口", 30, "y", "土"},  {"口", 30, "", "土"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ElementByRule(c.radical, c.kangxi, c.initial), c.element) << c.radical << c.initial;
}

class KangxiStrokesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (std::filesystem::exists("/usr/share/unicode/Unihan_IRGSources.txt.bz2"))
            unihan_ = std::make_unique<Unihan>(Unihan::Load("/usr/share/unicode"));
    }
    void SetUp() override {
        if (!unihan_) GTEST_SKIP() << "Debian's unicode-data is not installed";
    }
    static std::unique_ptr<Unihan> unihan_;
};

std::unique_ptr<Unihan> KangxiStrokesTest::unihan_;

TEST_F(KangxiStrokesTest, FullFormRadicalPlusResidual) {
    struct Case {
        const char* traditional;
        int strokes;
    };
    const Case cases[] = {
        {"湖", 13}, {"銘", 14}, {"陽", 17}, {"鄭", 19}, {"琪", 13}, {"胡", 11}, {"服", 8},  {"張", 11},
        {"華", 14}, {"李", 7},  {"水", 4},  {"金", 8},  {"一", 1},  {"四", 4},  {"十", 10}, {"五", 5},
    };
    for (const Case& c : cases) EXPECT_EQ(KangxiStrokes(c.traditional, *unihan_), c.strokes) << c.traditional;
}

void Write(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

TEST(TsvTest, HeaderAndFieldCountsAreChecked) {
    qinghe::test::TempDir dir;
    Write(dir / "ok.tsv", "汉字\t基本解释\n# a comment\n明\t光亮\n\n");
    EXPECT_EQ(ReadTsv(dir / "ok.tsv", {"汉字", "基本解释"}).size(), 1u);
    Write(dir / "header.tsv", "字\t解释\n明\t光亮\n");
    EXPECT_THROW(ReadTsv(dir / "header.tsv", {"汉字", "基本解释"}), BuildError);
    Write(dir / "short.tsv", "汉字\t基本解释\n明\n");
    EXPECT_THROW(ReadTsv(dir / "short.tsv", {"汉字", "基本解释"}), BuildError);
    EXPECT_THROW(ReadTsv(dir / "missing.tsv", {"汉字"}), BuildError);
}

TEST(TeamDataTest, MissingOrBrokenFilesStopTheBuildWithTheirName) {
    qinghe::test::TempDir dir;
    try {
        LoadTeamData(dir.path());
        FAIL() << "an empty folder must not load";
    } catch (const BuildError& error) {
        EXPECT_NE(std::string(error.what()).find("meanings"), std::string::npos) << error.what();
    }
    Write(dir / "chars" / "meanings" / "a.tsv", "汉字\t基本解释\n明\t光亮\n");
    Write(dir / "chars" / "kangxi_overrides.tsv", "汉字\t繁体\t繁体笔画数\t理由\n于\t于\t\t用作姓名时不作“於”\n");
    Write(dir / "chars" / "wuxing_overrides.tsv", "汉字\t五行属性\t理由\n明\t风\t写错的五行\n");
    try {
        LoadTeamData(dir.path());
        FAIL() << "a bad element must not load";
    } catch (const BuildError& error) {
        EXPECT_NE(std::string(error.what()).find("wuxing_overrides.tsv"), std::string::npos) << error.what();
    }
}

TEST(TeamDataTest, LuckWords) {
    for (const char* word : {"大吉", "吉", "中", "凶", "大凶"}) EXPECT_TRUE(IsLuckWord(word));
    for (const char* word : {"半吉", "", "吉 ", "大吉大利"}) EXPECT_FALSE(IsLuckWord(word));
}

}  // namespace
}  // namespace namedata
