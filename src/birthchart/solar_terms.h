// The 24 solar terms (二十四节气): the moments the Sun's apparent longitude
// reaches a multiple of 15°.
//
// Terms are numbered within a Gregorian year in the order they fall:
// 0 小寒 (285°), 1 大寒, 2 立春 (315°), … 22 大雪, 23 冬至 (270°). The even
// ones are the 节 that open the months of the month pillar; the odd ones are
// the 中气 that decide the numbering of the lunar months.
#pragma once

#include <string>

namespace qinghe {

inline constexpr int kSolarTermCount = 24;
inline constexpr int kLesserCold = 0;       // 小寒
inline constexpr int kStartOfSpring = 2;    // 立春
inline constexpr int kWinterSolstice = 23;  // 冬至

inline bool IsPrincipalTerm(int index) {
    return index % 2 == 1;
}

// The Sun's longitude at the term, degrees.
double SolarTermLongitude(int index);

// GBK name such as "立春"; "" for an index outside 0..23.
const std::string& SolarTermName(int index);

// The moment of term `index` of Gregorian year `year`, as a Beijing moment
// (see beijing_time.h). Computed afresh on every call: a few dozen
// evaluations of the Sun's position.
double ComputeSolarTermMoment(int year, int index);

}  // namespace qinghe
