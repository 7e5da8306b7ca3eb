// Julian day numbers: a plain count of days that turns the sexagenary day and
// the distance between two dates into arithmetic. Day number 2451545 is
// 2000-01-01 (Gregorian calendar throughout).
#pragma once

#include "birthchart/civil_date_time.h"

namespace qinghe {

int JulianDayNumber(int year, int month, int day);
inline int JulianDayNumber(const CivilDate& date) {
    return JulianDayNumber(date.year, date.month, date.day);
}
CivilDate CivilDateOf(int julian_day_number);

}  // namespace qinghe
