// Taking a GBK name or character list apart into its characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qinghe {

// The characters of a GBK text in order. A byte above 122 starts a two-byte
// character (so bytes 123..127 do too); any other byte, a space included, is a
// character of its own. A text of spaces only has no characters. A lead byte
// cut off at the very end is not a character and is dropped.
std::vector<std::string> SplitCharacters(std::string_view text);

// Length in bytes of the character starting at text[pos] by the same rule,
// 0 when a lead byte has no second byte left.
inline size_t CharacterLengthAt(std::string_view text, size_t pos) {
    if (static_cast<unsigned char>(text[pos]) > 122) return pos + 1 < text.size() ? 2 : 0;
    return 1;
}

}  // namespace qinghe
