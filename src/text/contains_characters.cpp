#include "text/contains_characters.h"

#include "text/split_characters.h"

namespace qinghe {

bool ContainsCharacters(std::string_view text, std::string_view needle) {
    if (needle.empty()) return true;
    for (size_t pos = 0; pos < text.size();) {
        if (text.substr(pos, needle.size()) == needle) return true;
        size_t length = CharacterLengthAt(text, pos);
        if (length == 0) break;
        pos += length;
    }
    return false;
}

}  // namespace qinghe
