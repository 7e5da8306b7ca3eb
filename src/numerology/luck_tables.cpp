#include "numerology/luck_tables.h"

#include "numerology/five_grids.h"
#include "text/gbk_literal.h"

namespace qinghe {

int LuckFactor(const std::string& word) {
    static const std::string kBest = "大吉"_gbk, kGood = "吉"_gbk, kMiddle = "中"_gbk,
                             kBad = "凶"_gbk, kWorst = "大凶"_gbk;
    if (word == kBest || word == kGood) return 100;
    if (word == kMiddle) return 85;
    if (word == kBad) return 60;
    if (word == kWorst) return 30;
    return 0;
}

LuckTables LuckTables::Load(DbObject& db) {
    LuckTables tables;
    RecordSet numbers = db.Query("select * from QH_八一灵动数"_gbk);
    for (bool row = numbers.HasRow(); row; row = numbers.MoveNext())
        tables.number_words_.emplace(numbers.GetInt(0), numbers.GetText(1));
    numbers.Release();

    RecordSet talents = db.Query("select * from QH_三才配置"_gbk);
    for (bool row = talents.HasRow(); row; row = talents.MoveNext())
        tables.talents_words_.emplace(talents.GetText(1), talents.GetText(2));
    talents.Release();

    int largest = 0;
    for (const auto& [number, word] : tables.number_words_)
        if (number > largest && number < 100000) largest = number;
    tables.number_factors_.assign(static_cast<size_t>(largest) + 1, 0);
    for (const auto& [number, word] : tables.number_words_)
        if (number >= 0 && number <= largest)
            tables.number_factors_[static_cast<size_t>(number)] = LuckFactor(word);

    for (int heaven = 0; heaven < 5; ++heaven)
        for (int person = 0; person < 5; ++person)
            for (int earth = 0; earth < 5; ++earth) {
                // Digits 1, 3, 5, 7, 9 give the elements in the order 木 火 土 金 水.
                std::string key = ElementOfNumber(heaven * 2 + 1) +
                                  ElementOfNumber(person * 2 + 1) + ElementOfNumber(earth * 2 + 1);
                tables.talents_factors_[static_cast<size_t>((heaven * 5 + person) * 5 + earth)] =
                    LuckFactor(tables.TalentsWord(key));
            }
    return tables;
}

const std::string& LuckTables::NumberWord(int number) const {
    static const std::string kNone;
    auto it = number_words_.find(number);
    return it == number_words_.end() ? kNone : it->second;
}

const std::string& LuckTables::TalentsWord(const std::string& key) const {
    static const std::string kNone;
    auto it = talents_words_.find(key);
    return it == talents_words_.end() ? kNone : it->second;
}

}  // namespace qinghe
