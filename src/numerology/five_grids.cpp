#include "numerology/five_grids.h"

#include <array>

#include "text/gbk_literal.h"
#include "text/split_characters.h"

namespace qinghe {

FiveGrids GridsOfStrokes(const NameStrokes& s) {
    FiveGrids grids;
    grids.heaven = s.two_char_surname ? s.surname1 + s.surname2 : s.surname1 + 1;
    int last_surname = s.two_char_surname ? s.surname2 : s.surname1;
    grids.person = last_surname + s.given1;
    grids.earth = s.two_char_given ? s.given1 + s.given2 : s.given1 + 1;
    grids.total = s.surname1 + s.surname2 + s.given1 + s.given2;
    if (!s.two_char_surname && !s.two_char_given)
        grids.outer = 2;
    else if (s.two_char_surname && s.two_char_given)
        grids.outer = grids.total - grids.person;
    else
        grids.outer = grids.total - grids.person + 1;
    return grids;
}

FiveGrids ComputeFiveGrids(const CharTable& table, std::string_view surname,
                           std::string_view given) {
    std::vector<std::string> surname_chars = SplitCharacters(surname);
    std::vector<std::string> given_chars = SplitCharacters(given);
    const CharInfo* found[4] = {nullptr, nullptr, nullptr, nullptr};
    for (size_t i = 0; i < 2 && i < surname_chars.size(); ++i)
        found[i] = FindCharInfo(table, surname_chars[i]);
    for (size_t i = 0; i < 2 && i < given_chars.size(); ++i)
        found[2 + i] = FindCharInfo(table, given_chars[i]);
    auto kangxi = [&](int i) { return found[i] != nullptr ? found[i]->kangxi_strokes : 0; };

    NameStrokes strokes{kangxi(0),
                        kangxi(1),
                        kangxi(2),
                        kangxi(3),
                        surname_chars.size() >= 2,
                        given_chars.size() >= 2};
    FiveGrids grids = GridsOfStrokes(strokes);
    for (const CharInfo* info : found) {
        if (info == nullptr) continue;
        grids.simplified_total += info->simplified_strokes;
        grids.elements += info->element;
    }
    return grids;
}

const std::string& ElementOfNumber(int digit) {
    static const std::array<std::string, 5> kElements = {"木"_gbk, "火"_gbk, "土"_gbk, "金"_gbk,
                                                         "水"_gbk};
    return kElements[static_cast<size_t>(ElementIndexOfNumber(digit))];
}

int ElementIndexOfNumber(int number) {
    int digit = ((number % 10) + 10) % 10;
    // 1, 2 → 木; 3, 4 → 火; 5, 6 → 土; 7, 8 → 金; 9, 0 → 水.
    return digit == 0 ? 4 : (digit - 1) / 2;
}

}  // namespace qinghe
