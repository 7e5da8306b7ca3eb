// The four pillars (四柱) of a Beijing civil date and hour:
// * year: changes at the exact moment of 立春;
// * month: changes at the exact moment of each 节 (立春 opens 寅, 惊蛰 卯, …
//   小寒 丑), its stem following the year's (五虎遁);
// * day: changes at 00:00, counted from the Julian day number;
// * hour: two-hour branches with 子 from 23:00; its stem follows the day's
//   (五鼠遁), and from 23:00 it is that of the next day while the day pillar
//   stays on the civil date.
#pragma once

#include <string>

#include "birthchart/civil_date_time.h"

namespace qinghe {

struct PillarPositions {
    int year = 0;  // 1..60 in the sexagenary cycle
    int month = 0;
    int day = 0;
    int hour = 0;
};

struct Pillars {
    std::string year;  // GBK stem-branch names such as "甲子"
    std::string month;
    std::string day;
    std::string hour;
};

// For years inside calendar_range.h; other years are computed by the same
// astronomy but not vouched for.
PillarPositions PillarPositionsOf(const CivilDateTime& time);
Pillars PillarsOf(const CivilDateTime& time);

}  // namespace qinghe
