#include "birthchart/birth_moment.h"

#include <charconv>

#include "birthchart/calendar_range.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

// A whole number of at most four digits, spaces around it allowed.
std::optional<int> ReadNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 4) return std::nullopt;
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

BirthMomentReading Refuse(std::string message) {
    return {std::nullopt, std::move(message)};
}

}  // namespace

BirthMomentReading ReadBirthMoment(const BirthDateTexts& texts) {
    const auto year = ReadNumber(texts.year);
    const auto month = ReadNumber(texts.month);
    const auto day = ReadNumber(texts.day);
    const auto hour = ReadNumber(texts.hour);
    if (!year || !month || !day || !hour)
        return Refuse("出生日期和时辰必须是数字，请重新选择。"_gbk);
    if (!IsInCalendarRange(*year))
        return Refuse("只能查询"_gbk + std::to_string(kCalendarFirstYear) + "年到"_gbk +
                      std::to_string(kCalendarLastYear) + "年之间出生的八字。"_gbk);
    if (*month < 1 || *month > 12) return Refuse("月份必须在1到12之间。"_gbk);
    if (!IsValidDate(*year, *month, *day))
        return Refuse(std::to_string(*year) + "年"_gbk + std::to_string(*month) + "月没有"_gbk +
                      std::to_string(*day) + "日，请重新选择日期。"_gbk);
    if (*hour < 0 || *hour > 23) return Refuse("时辰必须在0点到23点之间。"_gbk);
    return {CivilDateTime{*year, *month, *day, *hour, 0}, {}};
}

}  // namespace qinghe
