// The character records of one generation run, one per pool entry in pool
// order; entries are not merged, so a character twice in the pool has two
// records. Look-ups return the first record with the character.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "numerology/char_info.h"

namespace qinghe {

class CharTable {
  public:
    // Appends a record; returns its index.
    int Add(CharInfo info);
    void Clear();

    const std::vector<CharInfo>& records() const { return records_; }
    const CharInfo& operator[](int index) const { return records_[static_cast<size_t>(index)]; }
    int size() const { return static_cast<int>(records_.size()); }

    // Index of the first record whose character is byte-for-byte `character`,
    // -1 when there is none. A hash of first indexes keeps the first-match
    // rule while staying constant-time.
    int FirstIndexOf(std::string_view character) const;

  private:
    // Lets the index be searched with a string_view, without a copy.
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    std::vector<CharInfo> records_;
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> first_index_;
};

// The first record of the table holding `character`, or nullptr.
const CharInfo* FindCharInfo(const CharTable& table, std::string_view character);

}  // namespace qinghe
