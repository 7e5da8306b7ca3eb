// The Wubi 86 dictionary of rime-data-wubi: each character's full code, and
// words with their frequency weights (the common words of a character).
#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace namedata {

class WubiTable {
  public:
    static WubiTable Load(const std::filesystem::path& dict_yaml);

    // The longest code of a character that does not start with "z" (codes
    // starting with "z" are the dictionary's pinyin look-ups); "" if none.
    std::string Code(const std::string& character) const;
    // Up to `count` two- to four-character words holding the character,
    // most frequent first.
    std::vector<std::string> CommonWords(const std::string& character, size_t count) const;

  private:
    struct Word {
        std::string text;
        long long weight;
    };
    std::unordered_map<std::string, std::string> codes_;
    std::unordered_map<std::string, std::vector<Word>> words_;
};

}  // namespace namedata
