// Lunar dates (农历) and their written names.
#pragma once

#include <string>
#include <string_view>

#include "birthchart/civil_date_time.h"

namespace qinghe {

struct LunarDate {
    int month = 0;  // 1..12
    bool leap = false;
    int day = 0;  // 1..30

    bool operator==(const LunarDate&) const = default;
};

// The lunar date of a Beijing civil date (the day changes at 00:00).
LunarDate LunarDateOf(const CivilDate& date);

// 正月 二月 … 十月 冬月 腊月, with 闰 before a leap month. GBK; "" outside 1..12.
std::string LunarMonthName(int month, bool leap);
// 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十. GBK; "" outside 1..30.
std::string LunarDayName(int day);

// The pattern with %Y replaced by the stem-branch name of the year (the year
// pillar of the moment), %M by the lunar month's name and %D by the lunar
// day's name. Pattern and result are GBK.
std::string FormatLunarDate(const CivilDateTime& time, std::string_view pattern);

}  // namespace qinghe
