#include "birthchart/zodiac_advice.h"

#include <gtest/gtest.h>

#include "birthchart/sexagenary_table.h"
#include "birthchart/show_birth_chart.h"
#include "fake_birth_chart_page.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

std::string AdviceFor(const char* year_pillar) {
    return GbkToUtf8(ZodiacAdviceText(ZodiacBranchNumber(Utf8ToGbk(year_pillar))));
}

TEST(ZodiacAdviceTest, PigYear) {
    EXPECT_EQ(AdviceFor("癸亥"),
              "生肖属相：猪。\r\n\r\n猪年出生的人取名偏旁部首：\r\n\r\n"
              "宜：豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵等部首为吉。\r\n\r\n"
              "忌：纟、石、刀、力、血、弓、几、皮、父等部首。");
}

TEST(ZodiacAdviceTest, HorseYearEndsWithOneSpace) {
    EXPECT_EQ(AdviceFor("甲午"),
              "生肖属相：马。\r\n\r\n马年出生的人取名偏旁部首：\r\n\r\n"
              "宜：艹、金、玉、木、禾、虫、米、人、月、土、才、钅等部首为吉。\r\n\r\n"
              "忌：田、日、火、水、车、石、力、刀、酉、马等部首。 ");
}

TEST(ZodiacAdviceTest, OnlySnakeAndHorseEndWithASpace) {
    for (int branch = 1; branch <= 12; ++branch) {
        const std::string advice = GbkToUtf8(ZodiacAdviceText(branch));
        const bool spaced = branch == 6 || branch == 7;
        EXPECT_TRUE(advice.ends_with(spaced ? "等部首。 " : "等部首。")) << branch;
    }
}

TEST(ZodiacAdviceTest, EveryPillarOfABranchGivesItsAnimal) {
    const char* animals[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                               "马", "羊", "猴", "鸡", "狗", "猪"};
    for (int position = 1; position <= 60; ++position) {
        const std::string& pillar = CycleName(position);
        const int branch = (position - 1) % 12;
        EXPECT_EQ(ZodiacBranchNumber(pillar), branch + 1) << position;
        EXPECT_EQ(GbkToUtf8(ZodiacAnimal(pillar)), animals[branch]) << position;
        const std::string advice = GbkToUtf8(ZodiacAdviceText(branch + 1));
        const std::string animal = animals[branch];
        EXPECT_EQ(advice.rfind("生肖属相：" + animal + "。\r\n\r\n" + animal +
                                   "年出生的人取名偏旁部首：\r\n\r\n宜：",
                               0),
                  0u)
            << position;
    }
}

TEST(ZodiacAdviceTest, TextsThatAreNoPillarHaveNoAdvice) {
    for (const char* text : {"", "甲", "甲丑", "鼠"}) {
        EXPECT_EQ(ZodiacBranchNumber(Utf8ToGbk(text)), 0) << text;
        EXPECT_EQ(ZodiacAnimal(Utf8ToGbk(text)), "") << text;
    }
    EXPECT_EQ(ZodiacAdviceText(0), "");
    EXPECT_EQ(ZodiacAdviceText(13), "");
}

TEST(ZodiacAdviceTest, ShowAppendsRightAfterTheReport) {
    test::FakeBirthChartPage page;
    page.report = "五行纳音：海中金  海中金  海中金  海中金\r\n\r\n"_gbk;
    ShowZodiacAdvice(page, "庚子"_gbk);
    EXPECT_EQ(page.report,
              "五行纳音：海中金  海中金  海中金  海中金\r\n\r\n"_gbk + ZodiacAdviceText(1));
    const std::string before = page.report;
    ShowZodiacAdvice(page, "甲"_gbk);
    EXPECT_EQ(page.report, before);
}

}  // namespace
}  // namespace qinghe
