// The element (五行) of a character by rule, before the team's overrides.
#pragma once

#include <string>

namespace namedata {

// Meaning first, read from the radical: 氵水冫雨 → 水; 木艹竹禾 → 木;
// 火灬日光 → 火; 土山石田 → 土; 金钅玉王刂刀戈 → 金. `dictionary_radical` is
// the radical a dictionary shows, `kangxi_radical` the character's Unihan
// radical number. Otherwise the initial's element by the five-tone rule:
// b p m f (唇音) → 水; d t n l (舌音) → 火; g k h j q x (牙音) → 木;
// z c s zh ch sh r (齿音) → 金; y w and vowel starts (喉音) → 土.
std::string ElementByRule(const std::string& dictionary_radical, int kangxi_radical,
                          const std::string& initial_letter);

}  // namespace namedata
