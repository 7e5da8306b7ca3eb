#include "element_rule.h"

#include <cstring>

namespace namedata {
namespace {

struct RadicalClass {
    const char* element;
    const char* radicals[8];
    int numbers[6];
};

// Kangxi numbers: 15 冫, 85 水, 173 雨; 75 木, 115 禾, 118 竹, 140 艸; 72 日,
// 86 火; 32 土, 46 山, 102 田, 112 石; 18 刀, 62 戈, 96 玉, 167 金.
constexpr RadicalClass kClasses[] = {
    {"水", {"氵", "水", "冫", "雨"}, {15, 85, 173}},
    {"木", {"木", "艹", "竹", "⺮", "禾"}, {75, 115, 118, 140}},
    {"火", {"火", "灬", "日", "光"}, {72, 86}},
    {"土", {"土", "山", "石", "田"}, {32, 46, 102, 112}},
    {"金", {"金", "钅", "玉", "王", "刂", "刀", "戈"}, {18, 62, 96, 167}},
};

}  // namespace

std::string ElementByRule(const std::string& dictionary_radical, int kangxi_radical,
                          const std::string& initial_letter) {
    for (const RadicalClass& c : kClasses)
        for (const char* radical : c.radicals)
            if (radical != nullptr && dictionary_radical == radical) return c.element;
    for (const RadicalClass& c : kClasses)
        for (int number : c.numbers)
            if (number != 0 && number == kangxi_radical) return c.element;

    char initial = initial_letter.empty() ? '\0' : initial_letter[0];
    if (initial != '\0' && std::strchr("bpmf", initial)) return "水";
    if (initial != '\0' && std::strchr("dtnl", initial)) return "火";
    if (initial != '\0' && std::strchr("gkhjqx", initial)) return "木";
    if (initial != '\0' && std::strchr("zcsr", initial)) return "金";
    return "土";
}

}  // namespace namedata
