// Pillars checked against published almanac (万年历) values.
#include "birthchart/four_pillars.h"

#include <gtest/gtest.h>

#include "birthchart/calendar_range.h"
#include "birthchart/julian_day.h"
#include "text/gbk.h"

namespace qinghe {
namespace {

struct PillarCase {
    CivilDateTime time;
    const char* year;  // UTF-8
    const char* month;
    const char* day;
    const char* hour;
};

void ExpectPillars(const PillarCase& c) {
    const Pillars p = PillarsOf(c.time);
    const std::string at = std::to_string(c.time.year) + "-" + std::to_string(c.time.month) + "-" +
                           std::to_string(c.time.day) + " " + std::to_string(c.time.hour) + ":" +
                           std::to_string(c.time.minute);
    EXPECT_EQ(GbkToUtf8(p.year), c.year) << at;
    EXPECT_EQ(GbkToUtf8(p.month), c.month) << at;
    EXPECT_EQ(GbkToUtf8(p.day), c.day) << at;
    EXPECT_EQ(GbkToUtf8(p.hour), c.hour) << at;
}

TEST(FourPillarsTest, WellKnownDates) {
    const PillarCase cases[] = {
        {{2000, 1, 1, 11}, "己卯", "丙子", "戊午", "戊午"},
        {{1949, 10, 1, 10}, "己丑", "癸酉", "甲子", "己巳"},
        {{2013, 1, 1, 0}, "壬辰", "壬子", "丁卯", "庚子"},
        {{1972, 2, 5, 10}, "壬子", "壬寅", "丙寅", "癸巳"},
        {{1970, 4, 9, 7}, "庚戌", "庚辰", "己未", "戊辰"},
        {{1900, 1, 1, 12}, "己亥", "丙子", "甲戌", "庚午"},
        {{2100, 12, 31, 12}, "庚申", "戊子", "丁未", "丙午"},
    };
    for (const PillarCase& c : cases)
        ExpectPillars(c);
}

TEST(FourPillarsTest, YearChangesAtTheMomentOfStartOfSpring) {
    // 立春 1984 fell at 23:19 on 4 February, 2024 at 16:27 on 4 February.
    const PillarCase cases[] = {
        {{1984, 2, 4, 23}, "癸亥", "乙丑", "戊辰", "甲子"},
        {{1984, 2, 5, 0}, "甲子", "丙寅", "己巳", "甲子"},
        {{2024, 2, 4, 16, 20}, "癸卯", "乙丑", "戊戌", "庚申"},
        {{2024, 2, 4, 16, 35}, "甲辰", "丙寅", "戊戌", "庚申"},
    };
    for (const PillarCase& c : cases)
        ExpectPillars(c);
}

TEST(FourPillarsTest, MonthChangesAtTheMomentOfEachJie) {
    // 惊蛰 2024 fell at 10:23 on 5 March; 白露 2023 at 05:27 on 8 September.
    const PillarCase cases[] = {
        {{2024, 3, 5, 10}, "甲辰", "丙寅", "戊辰", "丁巳"},
        {{2024, 3, 5, 11}, "甲辰", "丁卯", "戊辰", "戊午"},
        {{2023, 9, 8, 5}, "癸卯", "庚申", "己巳", "丁卯"},
        {{2023, 9, 8, 6}, "癸卯", "辛酉", "己巳", "丁卯"},
    };
    for (const PillarCase& c : cases)
        ExpectPillars(c);
}

TEST(FourPillarsTest, HourBranchesAndTheLateZiHour) {
    // 2000-01-01 is a 戊午 day: its 子 hour is 壬子 (五鼠遁); from 23:00 the
    // hour takes the stem of the next day, 己未, while the day stays 戊午.
    const char* expected[24] = {"壬子", "癸丑", "癸丑", "甲寅", "甲寅", "乙卯", "乙卯", "丙辰",
                                "丙辰", "丁巳", "丁巳", "戊午", "戊午", "己未", "己未", "庚申",
                                "庚申", "辛酉", "辛酉", "壬戌", "壬戌", "癸亥", "癸亥", "甲子"};
    for (int hour = 0; hour < 24; ++hour) {
        const Pillars p = PillarsOf({2000, 1, 1, hour});
        EXPECT_EQ(GbkToUtf8(p.hour), expected[hour]) << hour;
        EXPECT_EQ(GbkToUtf8(p.day), "戊午") << hour;
    }
    EXPECT_EQ(GbkToUtf8(PillarsOf({2013, 1, 1, 23}).hour), "壬子");
    EXPECT_EQ(GbkToUtf8(PillarsOf({2013, 1, 1, 23}).day), "丁卯");
}

TEST(FourPillarsTest, DayPillarAdvancesByOneEveryDay) {
    int previous = PillarPositionsOf({kCalendarFirstYear, 1, 1, 12}).day;
    const int last = JulianDayNumber(kCalendarLastYear, 12, 31);
    for (int day = JulianDayNumber(kCalendarFirstYear, 1, 2); day <= last; ++day) {
        const CivilDate date = CivilDateOf(day);
        const int position = PillarPositionsOf({date.year, date.month, date.day, 12}).day;
        ASSERT_EQ(position, previous % 60 + 1) << date.year << "-" << date.month << "-" << date.day;
        previous = position;
    }
}

// Every year of the range: the year pillar turns once, on 3–5 February, and
// the month pillar twelve times, each between the 3rd and the 9th of a month,
// each time to the next position of the cycle.
TEST(FourPillarsTest, YearAndMonthTurnOnTheirDaysInEveryYear) {
    for (int year = kCalendarFirstYear; year <= kCalendarLastYear; ++year) {
        PillarPositions previous = PillarPositionsOf({year - 1, 12, 31, 23});
        int year_turns = 0;
        int month_turns = 0;
        const int last = JulianDayNumber(year, 12, 31);
        for (int day = JulianDayNumber(year, 1, 1); day <= last; ++day) {
            const CivilDate date = CivilDateOf(day);
            const PillarPositions now = PillarPositionsOf({date.year, date.month, date.day, 23});
            if (now.year != previous.year) {
                ++year_turns;
                EXPECT_EQ(now.year, previous.year % 60 + 1) << year;
                EXPECT_EQ(date.month, 2) << year;
                EXPECT_TRUE(date.day >= 3 && date.day <= 5) << year << " " << date.day;
            }
            if (now.month != previous.month) {
                ++month_turns;
                EXPECT_EQ(now.month, previous.month % 60 + 1) << year << "-" << date.month;
                EXPECT_TRUE(date.day >= 3 && date.day <= 9) << year << "-" << date.month;
            }
            previous = now;
        }
        EXPECT_EQ(year_turns, 1) << year;
        EXPECT_EQ(month_turns, 12) << year;
    }
}

}  // namespace
}  // namespace qinghe
