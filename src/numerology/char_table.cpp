#include "numerology/char_table.h"

namespace qinghe {

int CharTable::Add(CharInfo info) {
    int index = size();
    first_index_.emplace(info.hanzi, index);  // keeps an earlier record with the same character
    records_.push_back(std::move(info));
    return index;
}

void CharTable::Clear() {
    records_.clear();
    first_index_.clear();
}

int CharTable::FirstIndexOf(std::string_view character) const {
    auto it = first_index_.find(character);
    return it == first_index_.end() ? -1 : it->second;
}

const CharInfo* FindCharInfo(const CharTable& table, std::string_view character) {
    int index = table.FirstIndexOf(character);
    return index < 0 ? nullptr : &table[index];
}

}  // namespace qinghe
