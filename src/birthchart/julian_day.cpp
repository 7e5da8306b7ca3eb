#include "birthchart/julian_day.h"

namespace qinghe {

// Integer forms of the Gregorian day count (Fliegel and Van Flandern); the
// year is moved to start in March so that the leap day comes last.
int JulianDayNumber(int year, int month, int day) {
    const int a = (14 - month) / 12;
    const int y = year + 4800 - a;
    const int m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

CivilDate CivilDateOf(int julian_day_number) {
    const int a = julian_day_number + 32044;
    const int b = (4 * a + 3) / 146097;
    const int c = a - 146097 * b / 4;
    const int d = (4 * c + 3) / 1461;
    const int e = c - 1461 * d / 4;
    const int m = (5 * e + 2) / 153;
    return {100 * b + d - 4800 + m / 10, m + 3 - 12 * (m / 10), e - (153 * m + 2) / 5 + 1};
}

}  // namespace qinghe
