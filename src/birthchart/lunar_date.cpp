#include "birthchart/lunar_date.h"

#include <array>
#include <iterator>

#include "birthchart/calendar_cache.h"
#include "birthchart/four_pillars.h"
#include "birthchart/julian_day.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

void ReplaceAll(std::string& text, std::string_view key, const std::string& value) {
    for (size_t at = text.find(key); at != std::string::npos;
         at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
}

}  // namespace

LunarDate LunarDateOf(const CivilDate& date) {
    const int day = JulianDayNumber(date);
    // The solstice year ending this Gregorian year starts before 1 January;
    // days from this year's month 11 on belong to the next one.
    const SolsticeYear* year = &SolsticeYearOf(date.year);
    if (day >= year->end_day) year = &SolsticeYearOf(date.year + 1);
    auto month = std::prev(year->months.end());
    while (month->first_day > day)
        --month;
    return {month->number, month->leap, day - month->first_day + 1};
}

std::string LunarMonthName(int month, bool leap) {
    static const std::array<std::string, 12> kNames = {
        "正月"_gbk, "二月"_gbk, "三月"_gbk, "四月"_gbk, "五月"_gbk, "六月"_gbk,
        "七月"_gbk, "八月"_gbk, "九月"_gbk, "十月"_gbk, "冬月"_gbk, "腊月"_gbk,
    };
    if (month < 1 || month > 12) return {};
    return leap ? "闰"_gbk + kNames[month - 1] : kNames[month - 1];
}

std::string LunarDayName(int day) {
    static const std::array<std::string, 3> kTens = {"初"_gbk, "十"_gbk, "廿"_gbk};
    static const std::array<std::string, 10> kUnits = {
        "",       "一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk,
        "五"_gbk, "六"_gbk, "七"_gbk, "八"_gbk, "九"_gbk,
    };
    if (day < 1 || day > 30) return {};
    // The round days do not follow the pattern of the others.
    if (day == 10) return "初十"_gbk;
    if (day == 20) return "二十"_gbk;
    if (day == 30) return "三十"_gbk;
    return kTens[day / 10] + kUnits[day % 10];
}

std::string FormatLunarDate(const CivilDateTime& time, std::string_view pattern) {
    const LunarDate lunar = LunarDateOf(time.date());
    std::string text(pattern);
    ReplaceAll(text, "%Y", PillarsOf(time).year);
    ReplaceAll(text, "%M", LunarMonthName(lunar.month, lunar.leap));
    ReplaceAll(text, "%D", LunarDayName(lunar.day));
    return text;
}

}  // namespace qinghe
