#include "birthchart/calendar_cache.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "birthchart/four_pillars.h"
#include "birthchart/julian_day.h"
#include "birthchart/lunar_date.h"

namespace qinghe {
namespace {

TEST(CalendarCacheTest, RepeatedLookUpsReturnTheKeptYear) {
    const SolarTermMoments& first = SolarTermsOf(2013);
    EXPECT_EQ(&SolarTermsOf(2013), &first);
    EXPECT_EQ(&SolsticeYearOf(2013), &SolsticeYearOf(2013));
    EXPECT_EQ(SolarTermMoment(2013, kStartOfSpring), first[kStartOfSpring]);
}

// Years no other test touches, so that the threads fill the cache together
// (the thread sanitizer build watches this one).
TEST(CalendarCacheTest, ThreadsFillingTheCacheAtOnceGetTheSameAnswers) {
    constexpr int kFirstYear = 2201;
    constexpr int kLastYear = 2206;
    const int first_day = JulianDayNumber(kFirstYear, 1, 1);
    const int last_day = JulianDayNumber(kLastYear, 12, 31);
    auto chart_every_day = [&](std::vector<int>& out) {
        for (int day = first_day; day <= last_day; ++day) {
            const CivilDate date = CivilDateOf(day);
            const LunarDate lunar = LunarDateOf(date);
            const PillarPositions p = PillarPositionsOf({date.year, date.month, date.day, 12});
            out.push_back(((lunar.month * 2 + lunar.leap) * 31 + lunar.day) * 61 + p.month);
        }
    };
    std::vector<std::vector<int>> results(4);
    {
        std::vector<std::jthread> threads;
        for (auto& result : results)
            threads.emplace_back([&] { chart_every_day(result); });
    }
    for (const auto& result : results)
        EXPECT_EQ(result, results[0]);
    EXPECT_EQ(results[0].size(), static_cast<size_t>(last_day - first_day + 1));
}

}  // namespace
}  // namespace qinghe
