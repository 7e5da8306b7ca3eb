#include "birthchart/solar_terms.h"

#include <array>
#include <cmath>

#include "birthchart/beijing_time.h"
#include "birthchart/julian_day.h"
#include "birthchart/solar_longitude.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

// Longitude difference folded into (-180, 180].
double SignedDegrees(double difference) {
    difference = std::fmod(difference, 360.0);
    if (difference > 180) return difference - 360;
    if (difference <= -180) return difference + 360;
    return difference;
}

}  // namespace

double SolarTermLongitude(int index) {
    return std::fmod(285.0 + 15.0 * index, 360.0);
}

const std::string& SolarTermName(int index) {
    static const std::array<std::string, kSolarTermCount> kNames = {
        "小寒"_gbk, "大寒"_gbk, "立春"_gbk, "雨水"_gbk, "惊蛰"_gbk, "春分"_gbk,
        "清明"_gbk, "谷雨"_gbk, "立夏"_gbk, "小满"_gbk, "芒种"_gbk, "夏至"_gbk,
        "小暑"_gbk, "大暑"_gbk, "立秋"_gbk, "处暑"_gbk, "白露"_gbk, "秋分"_gbk,
        "寒露"_gbk, "霜降"_gbk, "立冬"_gbk, "小雪"_gbk, "大雪"_gbk, "冬至"_gbk,
    };
    static const std::string kNone;
    return index >= 0 && index < kSolarTermCount ? kNames[index] : kNone;
}

double ComputeSolarTermMoment(int year, int index) {
    const double target = SolarTermLongitude(index);
    // 小寒 falls on 5 or 6 January and the terms follow about 15.2 days
    // apart; from there each step removes all but about 3% of the error (the
    // Sun's speed varies that much over the year).
    double jde = JdeFromBeijingMoment(JulianDayNumber(year, 1, 6) + index * 15.2184);
    for (int step = 0; step < 12; ++step) {
        const double correction =
            SignedDegrees(target - ApparentSolarLongitude(jde)) / kSolarDegreesPerDay;
        jde += correction;
        if (std::fabs(correction) < 1e-7) break;  // under 0.01 s
    }
    return BeijingMomentFromJde(jde);
}

}  // namespace qinghe
