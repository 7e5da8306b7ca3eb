// Reading the birth date and hour from the texts of the date boxes.
#pragma once

#include <optional>
#include <string>

#include "birthchart/civil_date_time.h"

namespace qinghe {

// The selected texts of the year, month, day and hour boxes (GBK), e.g.
// "2013", "1", "1", "0".
struct BirthDateTexts {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
};

struct BirthMomentReading {
    std::optional<CivilDateTime> moment;  // Y-M-D at H:00, when it exists
    std::string refusal;                  // GBK message when it does not
};

// The birth moment Y年M月D日H时, refused with a short message when a text is
// no whole number, the date does not exist (2月30日), the hour is not 0..23
// or the year lies outside the calendar's range.
BirthMomentReading ReadBirthMoment(const BirthDateTexts& texts);

}  // namespace qinghe
