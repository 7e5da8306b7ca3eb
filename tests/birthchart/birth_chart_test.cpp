#include "birthchart/show_birth_chart.h"

#include <gtest/gtest.h>

#include "birthchart/zodiac_advice.h"
#include "calendar_printers.h"
#include "fake_birth_chart_page.h"
#include "support/recording_messenger.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

using test::FakeBirthChartPage;
using test::RecordingMessenger;

FakeBirthChartPage PageFor(BirthDateTexts date) {
    FakeBirthChartPage page;
    page.date = std::move(date);
    page.report = "上一次的八字"_gbk;
    page.element_label = "旧五行"_gbk;
    page.missing_label = "旧缺"_gbk;
    return page;
}

TEST(BirthChartTest, FullReportOfOneDate) {
    FakeBirthChartPage page = PageFor({"2013", "1", "1", "0"});
    RecordingMessenger messenger;
    ASSERT_TRUE(ShowBirthChart(page, messenger));
    const std::string expected =
        "公历日期：2013年1月1日0时\r\n\r\n"
        "农历日期：壬辰年    冬月  二十日  庚子时\r\n\r\n"
        "八字四柱：壬辰年  壬子月  丁卯日  庚子时\r\n\r\n"
        "八字五行：水,土,水,水,火,木,金,水, ( 五行不缺 ) \r\n\r\n"
        "五行纳音：长流水  桑柘木  炉中火  壁上土\r\n\r\n"
        "生肖属相：龙。\r\n\r\n"
        "龙年出生的人取名偏旁部首：\r\n\r\n"
        "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n"
        "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。";
    EXPECT_EQ(GbkToUtf8(page.report), expected);
    EXPECT_EQ(GbkToUtf8(page.element_label), "水,土,水,水,火,木,金,水,");
    EXPECT_EQ(page.missing_label, "");
    EXPECT_TRUE(messenger.messages().empty());
}

TEST(BirthChartTest, MissingElementsInTheOrderMetalWoodWaterFireEarth) {
    struct Case {
        BirthDateTexts date;
        const char* elements;  // UTF-8
        const char* missing;
        const char* report_part;
    };
    const Case cases[] = {
        // 壬子 壬寅 丙寅 癸巳
        {{"1972", "2", "5", "10"}, "水,水,水,木,火,木,水,火,", "金土", " ( 五行缺：金土 ) "},
        // 庚戌 庚辰 己未 戊辰
        {{"1970", "4", "9", "7"}, "金,土,金,土,土,土,土,土,", "木水火", " ( 五行缺：木水火 ) "},
        {{"2013", "1", "1", "0"}, "水,土,水,水,火,木,金,水,", "", " ( 五行不缺 ) "},
    };
    for (const Case& c : cases) {
        FakeBirthChartPage page = PageFor(c.date);
        RecordingMessenger messenger;
        const auto chart = ShowBirthChart(page, messenger);
        ASSERT_TRUE(chart) << c.date.year;
        EXPECT_EQ(GbkToUtf8(page.element_label), c.elements) << c.date.year;
        EXPECT_EQ(GbkToUtf8(page.missing_label), c.missing) << c.date.year;
        EXPECT_EQ(GbkToUtf8(chart->missing), c.missing) << c.date.year;
        const std::string line =
            "八字五行："_gbk + chart->element_text + Utf8ToGbk(c.report_part) + "\r\n\r\n";
        EXPECT_NE(page.report.find(line), std::string::npos) << c.date.year;
    }
}

TEST(BirthChartTest, ChartValuesAreExposed) {
    FakeBirthChartPage page = PageFor({"2023", "3", "22", "23"});
    RecordingMessenger messenger;
    const auto chart = ShowBirthChart(page, messenger);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->moment, (CivilDateTime{2023, 3, 22, 23, 0}));
    EXPECT_EQ(chart->lunar, (LunarDate{2, true, 1}));
    EXPECT_EQ(GbkToUtf8(chart->pillars.year), "癸卯");
    EXPECT_EQ(GbkToUtf8(chart->pillars.day), "己卯");
    EXPECT_EQ(GbkToUtf8(chart->pillars.hour), "丙子");  // stem of the next day, 庚辰
    EXPECT_EQ(chart->positions.year, 40);
    EXPECT_EQ(GbkToUtf8(chart->nayin[0]), "金箔金");
    EXPECT_EQ(GbkToUtf8(chart->element_pairs[0]), "水,木,");
    EXPECT_EQ(GbkToUtf8(chart->lunar_text), "癸卯年    闰二月  初一日  ");
    EXPECT_EQ(GbkToUtf8(ZodiacAnimal(chart->pillars.year)), "兔");
    // The report is the five paragraphs; the page adds the advice after them.
    EXPECT_EQ(page.report, chart->report + ZodiacAdviceText(4));
}

TEST(BirthChartTest, TextsAreShownAsTheBoxesGaveThem) {
    FakeBirthChartPage page = PageFor({"2013", "01", "01", "00"});
    RecordingMessenger messenger;
    ASSERT_TRUE(ShowBirthChart(page, messenger));
    EXPECT_EQ(GbkToUtf8(page.report.substr(0, page.report.find('\r'))),
              "公历日期：2013年01月01日00时");
}

TEST(BirthChartTest, DatesThatCannotBeChartedAreRefusedAndThePageKept) {
    struct Case {
        BirthDateTexts date;
        const char* message;  // UTF-8
    };
    const Case cases[] = {
        {{"2013", "2", "30", "0"}, "2013年2月没有30日，请重新选择日期。"},
        {{"2013", "4", "31", "12"}, "2013年4月没有31日，请重新选择日期。"},
        {{"1900", "2", "29", "0"}, "1900年2月没有29日，请重新选择日期。"},
        {{"2013", "2", "0", "0"}, "2013年2月没有0日，请重新选择日期。"},
        {{"2013", "13", "1", "0"}, "月份必须在1到12之间。"},
        {{"2013", "1", "1", "24"}, "时辰必须在0点到23点之间。"},
        {{"1899", "12", "31", "23"}, "只能查询1900年到2100年之间出生的八字。"},
        {{"2101", "1", "1", "0"}, "只能查询1900年到2100年之间出生的八字。"},
        {{"二〇一三", "1", "1", "0"}, "出生日期和时辰必须是数字，请重新选择。"},
        {{"2013", "", "1", "0"}, "出生日期和时辰必须是数字，请重新选择。"},
        {{"2013", "1", "1", "0时"}, "出生日期和时辰必须是数字，请重新选择。"},
        {{"2013", "1.5", "1", "0"}, "出生日期和时辰必须是数字，请重新选择。"},
    };
    for (const Case& c : cases) {
        FakeBirthChartPage page = PageFor(c.date);
        page.date.year = Utf8ToGbk(c.date.year);
        page.date.hour = Utf8ToGbk(c.date.hour);
        RecordingMessenger messenger;
        EXPECT_FALSE(ShowBirthChart(page, messenger)) << c.message;
        const auto messages = messenger.messages();
        ASSERT_EQ(messages.size(), 1u) << c.message;
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].title, "提示");
        EXPECT_EQ(messages[0].icon, MessageIcon::kInformation);
        EXPECT_EQ(GbkToUtf8(page.report), "上一次的八字");
        EXPECT_EQ(GbkToUtf8(page.element_label), "旧五行");
        EXPECT_EQ(GbkToUtf8(page.missing_label), "旧缺");
    }
}

TEST(BirthChartTest, EdgesOfTheRangeAreCharted) {
    for (const BirthDateTexts& date :
         {BirthDateTexts{"1900", "1", "1", "0"}, BirthDateTexts{"2100", "12", "31", "23"},
          BirthDateTexts{"2000", "2", "29", "12"}}) {
        FakeBirthChartPage page = PageFor(date);
        RecordingMessenger messenger;
        EXPECT_TRUE(ShowBirthChart(page, messenger)) << date.year;
        EXPECT_TRUE(messenger.messages().empty()) << date.year;
    }
}

TEST(BirthChartTest, DateSourceFollowsTheRadioButtons) {
    const BirthDateTexts page_boxes{"2013", "1", "1", "0"};
    const BirthDateTexts naming_date{"1984", "2", "5", "8"};
    EXPECT_EQ(SelectedBirthDate(true, page_boxes, naming_date).year, "2013");
    EXPECT_EQ(SelectedBirthDate(false, page_boxes, naming_date).year, "1984");
    EXPECT_EQ(SelectedBirthDate(false, page_boxes, naming_date).hour, "8");
}

}  // namespace
}  // namespace qinghe
