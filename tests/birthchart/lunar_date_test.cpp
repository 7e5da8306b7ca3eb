// Lunar dates checked against published almanac values.
#include "birthchart/lunar_date.h"

#include <gtest/gtest.h>

#include "birthchart/calendar_range.h"
#include "birthchart/julian_day.h"
#include "calendar_printers.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

std::string Text(const CivilDate& date) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.day);
}

CivilDate DayBefore(const CivilDate& date) {
    return CivilDateOf(JulianDayNumber(date) - 1);
}

TEST(LunarDateTest, SpringFestivalIsTheFirstDayOfTheFirstMonth) {
    const CivilDate festivals[] = {
        {1900, 1, 31}, {1912, 2, 18}, {1949, 1, 29}, {1970, 2, 6},  {1984, 2, 2},
        {2000, 2, 5},  {2008, 2, 7},  {2013, 2, 10}, {2020, 1, 25}, {2023, 1, 22},
        {2024, 2, 10}, {2025, 1, 29}, {2030, 2, 3},  {2050, 1, 23}, {2100, 2, 9},
    };
    for (const CivilDate& date : festivals) {
        EXPECT_EQ(LunarDateOf(date), (LunarDate{1, false, 1})) << Text(date);
        const LunarDate eve = LunarDateOf(DayBefore(date));
        EXPECT_EQ(eve.month, 12) << Text(date);
        EXPECT_TRUE(eve.day == 29 || eve.day == 30) << Text(date);
    }
}

TEST(LunarDateTest, LeapMonthsBeginWhereTheAlmanacsSay) {
    struct Case {
        CivilDate first_day;
        int month;
    };
    const Case cases[] = {
        {{1900, 9, 24}, 8},
        {{1984, 11, 23}, 10},
        {{2006, 8, 24}, 7},
        {{2012, 5, 21}, 4},
        {{2017, 7, 23}, 6},
        {{2020, 5, 23}, 4},
        {{2023, 3, 22}, 2},
        {{2025, 7, 25}, 6},
        // The month after the solstice month of 2033 has no principal term.
        {{2033, 12, 22}, 11},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LunarDateOf(c.first_day), (LunarDate{c.month, true, 1})) << Text(c.first_day);
        const LunarDate before = LunarDateOf(DayBefore(c.first_day));
        EXPECT_EQ(before.month, c.month) << Text(c.first_day);
        EXPECT_FALSE(before.leap) << Text(c.first_day);
    }
}

TEST(LunarDateTest, KnownDates) {
    const std::pair<CivilDate, LunarDate> cases[] = {
        {{2013, 1, 1}, {11, false, 20}},  {{2000, 1, 1}, {11, false, 25}},
        {{1949, 10, 1}, {8, false, 10}},  {{1984, 2, 4}, {1, false, 3}},
        {{2023, 3, 21}, {2, false, 30}},  {{1900, 1, 1}, {12, false, 1}},
        {{2100, 12, 31}, {12, false, 1}},
    };
    for (const auto& [date, lunar] : cases)
        EXPECT_EQ(LunarDateOf(date), lunar) << Text(date);
}

// Over the whole range: days count up to 29 or 30 and start again at 1; the
// months follow each other, a leap month repeating the number before it, at
// most one per year and never two in a row.
TEST(LunarDateTest, MonthsAndDaysFollowEachOtherThroughTheRange) {
    LunarDate previous = LunarDateOf({kCalendarFirstYear, 1, 1});
    const int last = JulianDayNumber(kCalendarLastYear, 12, 31);
    int leap_months = 0;
    for (int day = JulianDayNumber(kCalendarFirstYear, 1, 2); day <= last; ++day) {
        const CivilDate date = CivilDateOf(day);
        const LunarDate now = LunarDateOf(date);
        if (now.day != 1) {
            ASSERT_EQ(now, (LunarDate{previous.month, previous.leap, previous.day + 1}))
                << Text(date);
        } else if (now.leap) {
            ++leap_months;
            ASSERT_TRUE(previous.day == 29 || previous.day == 30) << Text(date);
            ASSERT_FALSE(previous.leap) << Text(date);
            ASSERT_EQ(now.month, previous.month) << Text(date);
        } else {
            ASSERT_TRUE(previous.day == 29 || previous.day == 30) << Text(date);
            ASSERT_EQ(now.month, previous.month % 12 + 1) << Text(date);
        }
        previous = now;
    }
    // 201 years hold 74 leap months by the 19-year rhythm (7 in 19), give or
    // take one.
    EXPECT_NEAR(leap_months, 74, 1);
}

TEST(LunarDateTest, MonthAndDayNames) {
    const std::pair<int, const char*> months[] = {
        {1, "正月"},  {2, "二月"},  {9, "九月"}, {10, "十月"},
        {11, "冬月"}, {12, "腊月"}, {0, ""},     {13, ""},
    };
    for (const auto& [month, name] : months)
        EXPECT_EQ(GbkToUtf8(LunarMonthName(month, false)), name) << month;
    EXPECT_EQ(GbkToUtf8(LunarMonthName(2, true)), "闰二月");
    EXPECT_EQ(GbkToUtf8(LunarMonthName(11, true)), "闰冬月");

    const std::pair<int, const char*> days[] = {
        {1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"}, {19, "十九"}, {20, "二十"},
        {21, "廿一"}, {29, "廿九"}, {30, "三十"}, {0, ""},      {31, ""},
    };
    for (const auto& [day, name] : days)
        EXPECT_EQ(GbkToUtf8(LunarDayName(day)), name) << day;
}

TEST(LunarDateTest, FormatReplacesYearMonthAndDay) {
    const std::string pattern = "%Y年    %M  %D日  "_gbk;
    EXPECT_EQ(GbkToUtf8(FormatLunarDate({2013, 1, 1, 0}, pattern)), "壬辰年    冬月  二十日  ");
    EXPECT_EQ(GbkToUtf8(FormatLunarDate({2023, 3, 22, 12}, pattern)), "癸卯年    闰二月  初一日  ");
    // The year is the year pillar's: before 立春 1984 it is still 癸亥,
    // although the lunar year 甲子 began on 2 February.
    EXPECT_EQ(GbkToUtf8(FormatLunarDate({1984, 2, 4, 23}, pattern)), "癸亥年    正月  初三日  ");
    EXPECT_EQ(GbkToUtf8(FormatLunarDate({2013, 1, 1, 0}, "%D/%D %M"_gbk)), "二十/二十 冬月");
    EXPECT_EQ(FormatLunarDate({2013, 1, 1, 0}, "no keys %"), "no keys %");
    EXPECT_EQ(FormatLunarDate({2013, 1, 1, 0}, ""), "");
}

}  // namespace
}  // namespace qinghe
