#include "birthchart/beijing_time.h"

#include <cmath>

#include "birthchart/delta_t.h"
#include "birthchart/julian_day.h"

namespace qinghe {
namespace {

constexpr double kBeijingOffsetDays = 8.0 / 24;
constexpr double kSecondsPerDay = 86400;

double DeltaTDays(double jd) {
    const double decimal_year = 2000 + (jd - 2451544.5) / 365.2425;
    return DeltaTSeconds(decimal_year) / kSecondsPerDay;
}

}  // namespace

double BeijingMoment(const CivilDateTime& time) {
    return JulianDayNumber(time.date()) - 0.5 + (time.hour + time.minute / 60.0) / 24;
}

CivilDateTime CivilDateTimeOf(double beijing_moment) {
    const long long minutes = std::llround((beijing_moment + 0.5) * 1440);
    const int day_number = static_cast<int>(minutes / 1440);
    const int minute_of_day = static_cast<int>(minutes % 1440);
    const CivilDate date = CivilDateOf(day_number);
    return {date.year, date.month, date.day, minute_of_day / 60, minute_of_day % 60};
}

int BeijingDayOf(double beijing_moment) {
    return static_cast<int>(std::floor(beijing_moment + 0.5));
}

double BeijingMomentFromJde(double jde) {
    // ΔT changes by well under a second a year, so taking it at TT instead
    // of UT makes no difference.
    return jde - DeltaTDays(jde) + kBeijingOffsetDays;
}

double JdeFromBeijingMoment(double beijing_moment) {
    const double ut = beijing_moment - kBeijingOffsetDays;
    return ut + DeltaTDays(ut);
}

}  // namespace qinghe
