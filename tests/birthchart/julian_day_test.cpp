#include "birthchart/julian_day.h"

#include <gtest/gtest.h>

#include "birthchart/beijing_time.h"

namespace qinghe {
namespace {

TEST(JulianDayTest, KnownDayNumbers) {
    const std::pair<CivilDate, int> cases[] = {
        {{2000, 1, 1}, 2451545},   {{1949, 10, 1}, 2433191},  {{1900, 1, 1}, 2415021},
        {{1858, 11, 17}, 2400001}, {{2100, 12, 31}, 2488434}, {{1582, 10, 15}, 2299161},
    };
    for (const auto& [date, number] : cases) {
        EXPECT_EQ(JulianDayNumber(date), number) << date.year;
        EXPECT_EQ(CivilDateOf(number), date) << number;
    }
}

TEST(JulianDayTest, ConsecutiveDaysRoundTripThroughLeapYears) {
    CivilDate previous = CivilDateOf(JulianDayNumber(1899, 12, 31));
    for (int day = JulianDayNumber(1900, 1, 1); day <= JulianDayNumber(2101, 1, 1); ++day) {
        const CivilDate date = CivilDateOf(day);
        ASSERT_TRUE(IsValidDate(date.year, date.month, date.day)) << day;
        ASSERT_EQ(JulianDayNumber(date), day);
        ASSERT_GT(date, previous);
        previous = date;
    }
    EXPECT_EQ(JulianDayNumber(1900, 3, 1) - JulianDayNumber(1900, 2, 28), 1);
    EXPECT_EQ(JulianDayNumber(2000, 3, 1) - JulianDayNumber(2000, 2, 28), 2);
}

TEST(JulianDayTest, MonthLengths) {
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2013, 4), 30);
    EXPECT_EQ(DaysInMonth(2013, 12), 31);
    EXPECT_EQ(DaysInMonth(2013, 0), 0);
    EXPECT_EQ(DaysInMonth(2013, 13), 0);
    EXPECT_FALSE(IsValidDate(2013, 2, 29));
    EXPECT_FALSE(IsValidDate(2013, 1, 0));
}

TEST(BeijingTimeTest, MomentsAndDays) {
    // 2000-01-01 12:00 Beijing is 04:00 UT, Julian date 2451544.6667.
    const double moment = BeijingMoment({2000, 1, 1, 12, 0});
    EXPECT_NEAR(moment - 8.0 / 24, 2451544.5 + 4.0 / 24, 1e-9);
    EXPECT_EQ(BeijingDayOf(moment), 2451545);
    EXPECT_EQ(BeijingDayOf(BeijingMoment({2000, 1, 1, 0, 0})), 2451545);
    EXPECT_EQ(BeijingDayOf(BeijingMoment({2000, 1, 1, 23, 59})), 2451545);
    EXPECT_EQ(CivilDateTimeOf(BeijingMoment({1984, 2, 4, 23, 19})),
              (CivilDateTime{1984, 2, 4, 23, 19}));
    EXPECT_EQ(CivilDateTimeOf(BeijingMoment({1999, 12, 31, 23, 59}) + 30.0 / 86400),
              (CivilDateTime{2000, 1, 1, 0, 0}));
}

}  // namespace
}  // namespace qinghe
