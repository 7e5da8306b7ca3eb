// Filtering user-typed text down to common Chinese characters.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

// The text without spaces, keeping only GB2312 level-1 and level-2 hanzi
// (lead byte 0xB0..0xF7, trail byte 0xA1..0xFE). Pieces are cut with a lead
// threshold of 128 here, unlike SplitCharacters, so Latin letters and ASCII
// punctuation always fall away as one-byte pieces.
std::string KeepHanzi(std::string_view text);

}  // namespace qinghe
