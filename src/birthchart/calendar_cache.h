// The astronomy behind the calendar, computed once per year and kept: a
// chart after the first one of a year costs a few look-ups.
#pragma once

#include "birthchart/lunar_months.h"

namespace qinghe {

// The 24 solar-term moments of a Gregorian year (see solar_terms.h).
const SolarTermMoments& SolarTermsOf(int year);
// The lunar months between the winter solstices of year − 1 and year.
const SolsticeYear& SolsticeYearOf(int year);

// Beijing moment of one term, e.g. SolarTermMoment(1984, kStartOfSpring).
inline double SolarTermMoment(int year, int index) {
    return SolarTermsOf(year)[index];
}

}  // namespace qinghe
