// The five grids of a full name from the Kangxi stroke counts.
#pragma once

#include <string>
#include <string_view>

#include "numerology/char_table.h"

namespace qinghe {

struct FiveGrids {
    int heaven = 0;            // 天格
    int person = 0;            // 人格
    int earth = 0;             // 地格
    int total = 0;             // 总格: the sum of all Kangxi counts, shown as "繁体笔划"
    int outer = 0;             // 外格
    int simplified_total = 0;  // 简体笔划
    std::string elements;      // 五行: the elements of surname 1, surname 2, given 1, given 2
};

// The Kangxi counts of the four places of a name; 0 where the name has no
// character there or the character is unknown.
struct NameStrokes {
    int surname1 = 0, surname2 = 0, given1 = 0, given2 = 0;
    bool two_char_surname = false, two_char_given = false;
};

// The grid formulas for the four shapes (1 or 2 surname characters, 1 or 2
// given characters). Only the numbers: `simplified_total` and `elements`
// stay empty.
FiveGrids GridsOfStrokes(const NameStrokes& strokes);

// Splits surname and given name, finds each character in the table (an
// absent one counts 0 strokes and no element) and computes the grids.
// Characters beyond the second of either part are ignored.
FiveGrids ComputeFiveGrids(const CharTable& table, std::string_view surname,
                           std::string_view given);

// Last digit 0..9 → 木 (1, 2), 火 (3, 4), 土 (5, 6), 金 (7, 8), 水 (9, 0); GBK.
// Grid numbers are reduced with mod 10 first.
const std::string& ElementOfNumber(int digit);
// Index of that element in the order 木 火 土 金 水 (0..4).
int ElementIndexOfNumber(int number);

}  // namespace qinghe
