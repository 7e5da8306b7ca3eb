// What the Unicode Han database knows about a character.
#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>

namespace namedata {

// A radical-stroke value such as "85.9" (radical 85, 9 more strokes) or
// "120'.3" (the simplified form of radical 120, 3 more strokes).
struct RadicalStroke {
    int radical = 0;
    bool simplified_radical = false;
    int residual = 0;
    bool valid() const { return radical > 0; }
};
RadicalStroke ParseRadicalStroke(const std::string& text);

struct UnihanEntry {
    int strokes_mainland = 0;     // first kTotalStrokes value (zh-Hans)
    int strokes_traditional = 0;  // last kTotalStrokes value (zh-Hant when it differs)
    RadicalStroke rs_unicode;     // first kRSUnicode value
    RadicalStroke rs_kangxi;      // kRSKangXi
    std::string mandarin;         // first kMandarin reading
    std::string definition;       // kDefinition (English)
};

class Unihan {
  public:
    // Reads the compressed Unihan files of Debian's unicode-data folder.
    static Unihan Load(const std::filesystem::path& folder);
    const UnihanEntry* Find(char32_t c) const;

  private:
    std::unordered_map<char32_t, UnihanEntry> entries_;
};

}  // namespace namedata
