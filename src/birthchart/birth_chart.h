// The birth chart (生辰八字) of a date and hour: the four pillars, the five
// elements of their eight characters and which elements are missing, the
// 纳音 of each pillar, and the report the birth-chart page shows.
#pragma once

#include <array>
#include <string>

#include "birthchart/birth_moment.h"
#include "birthchart/four_pillars.h"
#include "birthchart/lunar_date.h"

namespace qinghe {

// All texts GBK.
struct BirthChart {
    BirthDateTexts texts;  // Y, M, D, H as the boxes showed them
    CivilDateTime moment;
    Pillars pillars;
    PillarPositions positions;
    LunarDate lunar;
    std::string lunar_text;  // "壬辰年    冬月  二十日  " and so on
    // Year, month, day, hour: "木,水," and "海中金" for 甲子.
    std::array<std::string, 4> element_pairs;
    std::array<std::string, 4> nayin;
    std::string element_text;  // the four pairs joined, eight elements
    std::string missing;       // of 金木水火土 in that order, "" when none is
    std::string report;        // the five paragraphs, each ending "\r\n\r\n"
};

BirthChart ComputeBirthChart(const BirthDateTexts& texts, const CivilDateTime& moment);

// "五行缺：" + missing, or "五行不缺" when nothing is missing.
std::string MissingElementsPart(const std::string& missing);

}  // namespace qinghe
