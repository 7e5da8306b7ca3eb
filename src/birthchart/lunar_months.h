// Numbering the lunar months between two winter solstices (岁).
//
// The month that holds the winter solstice (冬至) is month 11. When 13 new
// moons begin months between the month 11 of one year and that of the next,
// the first of them whose days hold no principal term (中气) is a leap month
// and repeats the number of the month before it.
#pragma once

#include <array>
#include <vector>

#include "birthchart/solar_terms.h"

namespace qinghe {

// The Beijing moments of the 24 terms of one Gregorian year.
using SolarTermMoments = std::array<double, kSolarTermCount>;

struct LunarMonth {
    int first_day = 0;  // Julian day number of its first day (初一)
    int number = 0;     // 1..12
    bool leap = false;
};

struct SolsticeYear {
    // From the month 11 that holds the solstice of the previous Gregorian
    // year up to the month before the one that holds this year's solstice.
    std::vector<LunarMonth> months;
    int end_day = 0;  // first day of the next month 11
};

// The solstice year ending in Gregorian year `year`, from the solar terms of
// that year and of the year before.
SolsticeYear NumberLunarMonths(const SolarTermMoments& previous_year, const SolarTermMoments& year);

}  // namespace qinghe
