// What the npm data packages say about characters, exported to one TSV by
// export_char_sources.mjs: readings, surname reading, radical and structure.
#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace namedata {

struct CharSource {
    std::vector<std::string> readings;  // tone-marked, most frequent first
    std::string surname_reading;
    std::string radical;    // as a dictionary shows it for the simplified character
    std::string structure;  // e.g. 左右结构
};

class CharSources {
  public:
    static CharSources Load(const std::filesystem::path& tsv);
    const CharSource* Find(const std::string& character) const;

  private:
    std::unordered_map<std::string, CharSource> entries_;
};

}  // namespace namedata
