#include "birthchart/four_pillars.h"

#include "birthchart/beijing_time.h"
#include "birthchart/calendar_cache.h"
#include "birthchart/julian_day.h"
#include "birthchart/sexagenary_table.h"

namespace qinghe {
namespace {

constexpr int kJiaziYear = 1984;  // a 甲子 year, whose 寅 month is 丙寅

struct SolarMonth {
    int year;             // the year of the year pillar
    int months_from_yin;  // 0 for the 寅 month opened by 立春 … 11 for 丑
};

// The month opened by the last 节 at or before the moment.
SolarMonth SolarMonthAt(int year, double moment) {
    const SolarTermMoments& terms = SolarTermsOf(year);
    if (moment < terms[kLesserCold]) return {year - 1, 10};     // since 大雪 of last year: 子
    if (moment < terms[kStartOfSpring]) return {year - 1, 11};  // since 小寒: 丑
    int term = kStartOfSpring;
    while (term + 2 < kSolarTermCount && moment >= terms[term + 2])
        term += 2;
    return {year, (term - kStartOfSpring) / 2};
}

}  // namespace

PillarPositions PillarPositionsOf(const CivilDateTime& time) {
    const SolarMonth month = SolarMonthAt(time.year, BeijingMoment(time));
    const long long years = month.year - kJiaziYear;
    const int day_number = JulianDayNumber(time.date());
    // Sixty days repeat without a break; day 2451545 (2000-01-01) was 戊午, 55.
    const int day = FoldIntoCycle(day_number - 10);
    const int hour_branch = (time.hour + 1) / 2 % 12;
    const int stem_day = time.hour == 23 ? FoldIntoCycle(day + 1) : day;
    return {
        FoldIntoCycle(years + 1),
        FoldIntoCycle(years * 12 + month.months_from_yin + 3),
        day,
        FoldIntoCycle((stem_day - 1) * 12LL + hour_branch + 1),
    };
}

Pillars PillarsOf(const CivilDateTime& time) {
    const PillarPositions p = PillarPositionsOf(time);
    return {CycleName(p.year), CycleName(p.month), CycleName(p.day), CycleName(p.hour)};
}

}  // namespace qinghe
