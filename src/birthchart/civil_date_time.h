// A moment of Beijing civil time (UTC+8) as the date boxes give it.
#pragma once

#include <compare>

namespace qinghe {

struct CivilDate {
    int year = 0;
    int month = 1;
    int day = 1;

    auto operator<=>(const CivilDate&) const = default;
};

struct CivilDateTime {
    int year = 0;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;

    CivilDate date() const { return {year, month, day}; }
    auto operator<=>(const CivilDateTime&) const = default;
};

bool IsLeapYear(int year);
// 28..31 for months 1..12, 0 for any other month.
int DaysInMonth(int year, int month);
// True when the Gregorian date exists (2月30日 does not).
bool IsValidDate(int year, int month, int day);

}  // namespace qinghe
