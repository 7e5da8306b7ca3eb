#include "numerology/name_score.h"

#include "text/split_characters.h"

namespace qinghe {

std::string ThreeTalentsKey(const FiveGrids& grids) {
    return ElementOfNumber(grids.heaven) + ElementOfNumber(grids.person) +
           ElementOfNumber(grids.earth);
}

std::string GridsText(const FiveGrids& g) {
    return std::to_string(g.heaven) + "," + std::to_string(g.person) + "," +
           std::to_string(g.earth) + "," + std::to_string(g.total) + "," + std::to_string(g.outer);
}

NameScore ScoreName(const CharTable& table, const LuckTables& luck, std::string_view surname,
                    std::string_view given) {
    NameScore result;
    result.grids = ComputeFiveGrids(table, surname, given);
    const FiveGrids& g = result.grids;
    result.grids_text = GridsText(g);
    result.talents_key = ThreeTalentsKey(g);
    result.score = WeightedScore(
        LuckFactor(luck.NumberWord(g.heaven)), LuckFactor(luck.NumberWord(g.person)),
        LuckFactor(luck.NumberWord(g.earth)), LuckFactor(luck.NumberWord(g.total)),
        LuckFactor(luck.NumberWord(g.outer)), LuckFactor(luck.TalentsWord(result.talents_key)));
    return result;
}

const std::string& HeavenGridLuck(const CharTable& table, const LuckTables& luck,
                                  std::string_view surname) {
    std::vector<std::string> chars = SplitCharacters(surname);
    auto kangxi = [&](size_t i) {
        const CharInfo* info = i < chars.size() ? FindCharInfo(table, chars[i]) : nullptr;
        return info != nullptr ? info->kangxi_strokes : 0;
    };
    int heaven = chars.size() >= 2 ? kangxi(0) + kangxi(1) : kangxi(0) + 1;
    return luck.NumberWord(heaven);
}

}  // namespace qinghe
