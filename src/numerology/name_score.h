// Rating a full name: the luck words of its five grids and of its
// three-talents key, weighted into a score out of 100.
#pragma once

#include <string>
#include <string_view>

#include "numerology/char_table.h"
#include "numerology/five_grids.h"
#include "numerology/luck_tables.h"

namespace qinghe {

struct NameScore {
    int score = 0;            // 0..100
    FiveGrids grids;          // with 简体笔划 and 五行
    std::string grids_text;   // 天格,人格,地格,总格,外格, e.g. 8,19,21,28,10
    std::string talents_key;  // e.g. 金水木
};

// The elements of 天格, 人格 and 地格 joined, each by its last digit.
std::string ThreeTalentsKey(const FiveGrids& grids);
std::string GridsText(const FiveGrids& grids);

// The weights of 天格, 人格, 地格, 总格, 外格 and the three talents are 5, 30,
// 20, 20, 10 and 15; with factors in hundredths every product is a whole
// number, so the score is the exact sum truncated.
inline int WeightedScore(int heaven, int person, int earth, int total, int outer, int talents) {
    return (5 * heaven + 30 * person + 20 * earth + 20 * total + 10 * outer + 15 * talents) / 100;
}

// Characters not in the table count as the grids describe (0 strokes).
NameScore ScoreName(const CharTable& table, const LuckTables& luck, std::string_view surname,
                    std::string_view given);

// The luck word of the surname's 天格 alone ("" when the number has no row).
const std::string& HeavenGridLuck(const CharTable& table, const LuckTables& luck,
                                  std::string_view surname);

}  // namespace qinghe
