// The character and name lists built into the program, as UTF-8 text.
// Generation converts them to GBK once (see builtin_lists_gbk.h).
#pragma once

#include <string_view>

namespace qinghe {

// Characters suited to boys' names, written one after another.
extern const std::string_view kMalePoolUtf8;
// Characters suited to girls' names.
extern const std::string_view kFemalePoolUtf8;
// Single-character given names of the classic mode.
extern const std::string_view kClassicMaleSinglesUtf8;
extern const std::string_view kClassicFemaleSinglesUtf8;
// Two-character given names of the classic mode, each followed by ",".
extern const std::string_view kClassicMaleNamesUtf8;
extern const std::string_view kClassicFemaleNamesUtf8;

}  // namespace qinghe
