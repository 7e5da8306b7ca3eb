// Solar terms and new moons against published moments (Beijing time, to the
// minute as the almanacs print them).
#include "birthchart/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>

#include "birthchart/beijing_time.h"
#include "birthchart/calendar_cache.h"
#include "birthchart/calendar_range.h"
#include "birthchart/new_moon.h"
#include "birthchart/solar_longitude.h"
#include "text/gbk.h"

namespace qinghe {
namespace {

constexpr double kMinute = 1.0 / 1440;

std::string Text(const CivilDateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return text;
}

TEST(SolarTermsTest, MomentsAgreeWithTheAlmanacToTheMinute) {
    struct Case {
        int year;
        int index;
        CivilDateTime published;
    };
    const Case cases[] = {
        {1984, kStartOfSpring, {1984, 2, 4, 23, 19}},
        {2000, 5, {2000, 3, 20, 15, 35}},  // 春分
        {2000, kWinterSolstice, {2000, 12, 21, 21, 37}},
        {2008, 11, {2008, 6, 21, 7, 59}},  // 夏至
        {2020, kStartOfSpring, {2020, 2, 4, 17, 3}},
        {2021, kWinterSolstice, {2021, 12, 21, 23, 59}},
        {2023, kStartOfSpring, {2023, 2, 4, 10, 43}},
        {2023, 16, {2023, 9, 8, 5, 27}},  // 白露
        {2024, kStartOfSpring, {2024, 2, 4, 16, 27}},
        {2024, 4, {2024, 3, 5, 10, 23}},  // 惊蛰
        {2024, 5, {2024, 3, 20, 11, 6}},
        {2024, 11, {2024, 6, 21, 4, 51}},
        {2024, kWinterSolstice, {2024, 12, 21, 17, 21}},
        {2025, kStartOfSpring, {2025, 2, 3, 22, 10}},
    };
    for (const Case& c : cases) {
        const double moment = SolarTermMoment(c.year, c.index);
        EXPECT_LE(std::fabs(moment - BeijingMoment(c.published)), kMinute)
            << GbkToUtf8(SolarTermName(c.index)) << " " << c.year << ": computed "
            << Text(CivilDateTimeOf(moment)) << ", published " << Text(c.published);
    }
}

TEST(SolarTermsTest, SunStandsAtTheTermLongitude) {
    for (int index : {0, 2, 5, 11, 17, 23}) {
        const double jde = JdeFromBeijingMoment(SolarTermMoment(2024, index));
        double gap = ApparentSolarLongitude(jde) - SolarTermLongitude(index);
        gap -= 360 * std::round(gap / 360);
        EXPECT_LT(std::fabs(gap), 1e-6) << index;
    }
}

TEST(SolarTermsTest, TermsFollowEachOtherEveryFifteenDaysOrSo) {
    double previous = SolarTermMoment(kCalendarFirstYear - 1, kWinterSolstice);
    for (int year = kCalendarFirstYear; year <= kCalendarLastYear; ++year) {
        for (int index = 0; index < kSolarTermCount; ++index) {
            const double moment = SolarTermMoment(year, index);
            EXPECT_GT(moment - previous, 14.7) << year << " " << index;
            EXPECT_LT(moment - previous, 15.8) << year << " " << index;
            previous = moment;
        }
        EXPECT_EQ(CivilDateTimeOf(SolarTermMoment(year, kLesserCold)).month, 1) << year;
        EXPECT_EQ(CivilDateTimeOf(SolarTermMoment(year, kWinterSolstice)).month, 12) << year;
    }
}

TEST(SolarTermsTest, Names) {
    const std::pair<int, const char*> cases[] = {
        {0, "小寒"}, {1, "大寒"},  {2, "立春"},  {4, "惊蛰"}, {5, "春分"},
        {6, "清明"}, {22, "大雪"}, {23, "冬至"}, {-1, ""},    {24, ""},
    };
    for (const auto& [index, name] : cases)
        EXPECT_EQ(GbkToUtf8(SolarTermName(index)), name) << index;
    EXPECT_TRUE(IsPrincipalTerm(kWinterSolstice));
    EXPECT_FALSE(IsPrincipalTerm(kStartOfSpring));
}

TEST(NewMoonTest, MomentsAgreeWithPublishedOnesToTheMinute) {
    // Beijing time; the UTC moments are 2000-01-06 18:14, 2009-07-22 02:35
    // (total solar eclipse), 2017-08-21 18:30 and 2024-02-09 22:59.
    const CivilDateTime published[] = {
        {2000, 1, 7, 2, 14},
        {2009, 7, 22, 10, 35},
        {2017, 8, 22, 2, 30},
        {2024, 2, 10, 6, 59},
    };
    for (const CivilDateTime& time : published) {
        const double moment = BeijingMoment(time);
        const int k = NearestLunation(JdeFromBeijingMoment(moment));
        const double computed = BeijingMomentFromJde(NewMoonJde(k));
        EXPECT_LE(std::fabs(computed - moment), kMinute)
            << "computed " << Text(CivilDateTimeOf(computed)) << ", published " << Text(time);
    }
}

// The refinement starts from Meeus' estimate, good to half a minute; landing
// further away would mean it slid to another lunation or diverged.
TEST(NewMoonTest, RefinedMomentStaysCloseToTheEstimate) {
    for (int k = -1250; k <= 1250; k += 10)
        EXPECT_LT(std::fabs(NewMoonJde(k) - EstimatedNewMoonJde(k)), kMinute) << k;
}

}  // namespace
}  // namespace qinghe
