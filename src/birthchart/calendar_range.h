// The Gregorian years the Chinese calendar here answers for. The astronomy
// holds well beyond them; these are the years checked against published
// almanacs.
#pragma once

namespace qinghe {

inline constexpr int kCalendarFirstYear = 1900;
inline constexpr int kCalendarLastYear = 2100;

inline bool IsInCalendarRange(int year) {
    return year >= kCalendarFirstYear && year <= kCalendarLastYear;
}

}  // namespace qinghe
