// The luck words of the 81 numbers and of the three-talents keys, read once
// per run from the name database and held in memory. The words are the
// tables' own; only their factors are precomputed.
#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/db_object.h"

namespace qinghe {

// The factor of a luck word in hundredths: 大吉 and 吉 100, 中 85, 凶 60,
// 大凶 30, any other text (the empty one included) 0.
int LuckFactor(const std::string& word);

class LuckTables {
  public:
    // Reads QH_八一灵动数 and QH_三才配置; the first row of an Id or key wins,
    // as a look-up by that Id or key would find it.
    static LuckTables Load(DbObject& db);

    // "" when the number or key has no row.
    const std::string& NumberWord(int number) const;
    const std::string& TalentsWord(const std::string& key) const;

    // Factors for the hot loop: by grid number, and by the three element
    // indexes (木 火 土 金 水) of heaven, person and earth.
    int NumberFactor(int number) const {
        return number >= 0 && number < static_cast<int>(number_factors_.size())
                   ? number_factors_[static_cast<size_t>(number)]
                   : 0;
    }
    int TalentsFactor(int heaven, int person, int earth) const {
        return talents_factors_[static_cast<size_t>((heaven * 5 + person) * 5 + earth)];
    }

  private:
    std::unordered_map<int, std::string> number_words_;
    std::unordered_map<std::string, std::string> talents_words_;
    std::vector<int> number_factors_;
    std::array<int, 125> talents_factors_{};
};

}  // namespace qinghe
