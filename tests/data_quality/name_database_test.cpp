// Checks of the real name database: the characters the program names with
// are all known, their counts agree with the customary values, the tables
// are complete and every derived value is well formed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "db/name_database_loader.h"
#include "db/name_database_schema.h"
#include "generation/builtin_lists_gbk.h"
#include "support/recording_messenger.h"
#include "text/gbk_literal.h"
#include "text/split_characters.h"

namespace qinghe {
namespace {

class NameDatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::exists(QINGHE_NAMEDATA_DB)) return;
        db_ = new DbObject();
        test::RecordingMessenger messenger;
        LoadNameDatabase(*db_, QINGHE_NAMEDATA_DB, messenger);
    }
    static void TearDownTestSuite() {
        delete db_;
        db_ = nullptr;
    }
    void SetUp() override {
        if (db_ == nullptr || !db_->IsOpen()) GTEST_SKIP() << "the name database has not been built";
    }

    static RecordSet Character(const std::string& gbk) {
        return db_->Query("select * from QH_CNWord where 汉字=?"_gbk, {gbk});
    }

    static DbObject* db_;
};

DbObject* NameDatabaseTest::db_ = nullptr;

// The characters of every built-in list and of the common surnames.
std::set<std::string> NamingCharacters() {
    std::set<std::string> chars;
    for (const std::string* list : {&MalePool(), &FemalePool(), &ClassicMaleSingles(), &ClassicFemaleSingles(),
                                    &ClassicMaleNames(), &ClassicFemaleNames()})
        for (const std::string& c : SplitCharacters(*list))
            if (c != ",") chars.insert(c);
    return chars;
}

TEST_F(NameDatabaseTest, EveryNamingCharacterIsKnown) {
    const std::set<std::string> elements = {"金"_gbk, "木"_gbk, "水"_gbk, "火"_gbk, "土"_gbk};
    std::set<std::string> chars = NamingCharacters();
    EXPECT_GT(chars.size(), 2000u);
    for (const std::string& c : chars) {
        RecordSet row = Character(c);
        ASSERT_TRUE(row.HasRow()) << GbkToUtf8(c);
        EXPECT_EQ(elements.count(row.GetText(kCnWordElement)), 1u) << GbkToUtf8(c);
        EXPECT_GT(row.GetInt(kCnWordSimplifiedStrokes), 0) << GbkToUtf8(c);
        EXPECT_GT(row.GetInt(kCnWordKangxiStrokes), 0) << GbkToUtf8(c);
        EXPECT_NE(row.GetText(kCnWordPinyinMarked), "") << GbkToUtf8(c);
    }
}

TEST_F(NameDatabaseTest, PoolCharactersHaveWrittenMeanings) {
    for (const std::string* list : {&MalePool(), &FemalePool(), &ClassicMaleSingles(), &ClassicFemaleSingles()}) {
        for (const std::string& c : SplitCharacters(*list)) {
            std::string meaning = GbkToUtf8(Character(c).GetText(kCnWordBasicMeaning));
            EXPECT_GT(meaning.size(), 20u) << GbkToUtf8(c);
            EXPECT_EQ(meaning.find("英文释义"), std::string::npos) << GbkToUtf8(c);
        }
    }
}

TEST_F(NameDatabaseTest, KangxiCountsMatchTheCustomaryValues) {
    std::ifstream in(std::string(QINGHE_DATA_QUALITY_DIR) + "/customary_kangxi.tsv");
    ASSERT_TRUE(in);
    std::string line;
    std::getline(in, line);  // header
    int checked = 0;
    while (std::getline(in, line)) {
        size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        std::string c = line.substr(0, tab);
        int customary = std::stoi(line.substr(tab + 1));
        EXPECT_EQ(Character(Utf8ToGbk(c)).GetInt(kCnWordKangxiStrokes), customary) << c;
        ++checked;
    }
    EXPECT_GE(checked, 150);
}

TEST_F(NameDatabaseTest, EveryCharacterGbkHoldsHasARow) {
    RecordSet count = db_->Query("select count(*) from QH_CNWord");
    EXPECT_GE(count.GetInt(0), 20900);
    RecordSet bad = db_->Query("select count(*) from QH_CNWord where 简体笔画数<=0 or 繁体笔画数<=0 or "
                               "五行属性 not in ('金','木','水','火','土')"_gbk);
    EXPECT_EQ(bad.GetInt(0), 0);
}

TEST_F(NameDatabaseTest, NumbersAndThreeTalentsAreComplete) {
    const std::set<std::string> words = {"大吉"_gbk, "吉"_gbk, "中"_gbk, "凶"_gbk, "大凶"_gbk};
    RecordSet numbers = db_->Query("select * from QH_八一灵动数 order by Id"_gbk);
    int expected_id = 1;
    for (bool row = numbers.HasRow(); row; row = numbers.MoveNext()) {
        EXPECT_EQ(numbers.GetInt(0), expected_id++);
        EXPECT_EQ(words.count(numbers.GetText(1)), 1u);
        EXPECT_NE(numbers.GetText(2), "");
        EXPECT_NE(numbers.GetText(9).find('|'), std::string::npos);
    }
    EXPECT_EQ(expected_id, 82);

    std::set<std::string> keys;
    RecordSet talents = db_->Query("select * from QH_三才配置"_gbk);
    for (bool row = talents.HasRow(); row; row = talents.MoveNext()) {
        keys.insert(talents.GetText(1));
        EXPECT_EQ(words.count(talents.GetText(2)), 1u) << GbkToUtf8(talents.GetText(1));
        for (int column = 3; column <= 20; ++column) EXPECT_NE(talents.GetText(column), "");
    }
    EXPECT_EQ(keys.size(), 125u);
}

TEST_F(NameDatabaseTest, PinyinIsWellFormed) {
    const std::regex plain("[a-z]+");
    const std::regex initial("[bpmfdtnlgkhjqxzcsryw]?");
    RecordSet rows = db_->Query("select * from QH_CNWord");
    int checked = 0;
    for (bool row = rows.HasRow(); row; row = rows.MoveNext()) {
        std::string pinyin = rows.GetText(kCnWordPinyinPlain);
        if (pinyin.empty()) continue;  // a character no reading source knows
        std::string hanzi = GbkToUtf8(rows.GetText(kCnWordHanzi));
        EXPECT_TRUE(std::regex_match(pinyin, plain)) << hanzi << " " << pinyin;
        std::string first = rows.GetText(kCnWordInitial);
        EXPECT_TRUE(std::regex_match(first, initial)) << hanzi << " " << first;
        if (!first.empty()) {
            EXPECT_EQ(first[0], pinyin[0]) << hanzi;
        }
        EXPECT_NE(rows.GetText(kCnWordPinyinMarked), "") << hanzi;
        ++checked;
    }
    EXPECT_GT(checked, 20000);
}

TEST_F(NameDatabaseTest, SpotChecksOfReadingsRadicalsAndWubi) {
    struct Case {
        const char* hanzi;
        const char* marked;
        const char* plain;
        const char* initial;
        const char* radical;
        const char* wubi;
        const char* traditional;
    };
    const Case cases[] = {
        {"湖", "hú", "hu", "h", "氵", "ideg", "湖"},  {"铭", "míng", "ming", "m", "钅", "qqkg", "銘"},
        {"李", "lǐ", "li", "l", "木", "sbf", "李"},   {"张", "zhāng", "zhang", "z", "弓", "xtay", "張"},
        {"阳", "yáng", "yang", "y", "阝", "bjg", "陽"}, {"照", "zhào", "zhao", "z", "灬", "jvko", "照"},
        {"琪", "qí", "qi", "q", "王", "gadw", "琪"},   {"想", "xiǎng", "xiang", "x", "心", "shnu", "想"},
        {"吕", "lǚ", "lv", "l", "口", "kkf", "呂"},    {"安", "ān", "an", "", "宀", "pvf", "安"},
        {"于", "yú", "yu", "y", "二", "gfk", "于"},    {"仇", "qiú", "qiu", "q", "亻", "wvn", "仇"},
    };
    for (const Case& c : cases) {
        RecordSet row = Character(Utf8ToGbk(c.hanzi));
        EXPECT_EQ(GbkToUtf8(row.GetText(kCnWordPinyinMarked)), c.marked) << c.hanzi;
        EXPECT_EQ(row.GetText(kCnWordPinyinPlain), c.plain) << c.hanzi;
        EXPECT_EQ(row.GetText(kCnWordInitial), c.initial) << c.hanzi;
        EXPECT_EQ(GbkToUtf8(row.GetText(kCnWordRadical)), c.radical) << c.hanzi;
        EXPECT_EQ(row.GetText(kCnWordWubi), c.wubi) << c.hanzi;
        EXPECT_EQ(GbkToUtf8(row.GetText(kCnWordTraditional)), c.traditional) << c.hanzi;
    }
}

}  // namespace
}  // namespace qinghe
