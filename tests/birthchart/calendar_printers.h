// Readable test failure messages for calendar values.
#pragma once

#include <ostream>

#include "birthchart/civil_date_time.h"
#include "birthchart/lunar_date.h"

namespace qinghe {

inline void PrintTo(const CivilDate& date, std::ostream* out) {
    *out << date.year << "-" << date.month << "-" << date.day;
}

inline void PrintTo(const CivilDateTime& time, std::ostream* out) {
    *out << time.year << "-" << time.month << "-" << time.day << " " << time.hour << ":"
         << time.minute;
}

inline void PrintTo(const LunarDate& date, std::ostream* out) {
    *out << (date.leap ? "leap " : "") << "month " << date.month << " day " << date.day;
}

}  // namespace qinghe
