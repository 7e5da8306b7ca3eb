#include "text/split_characters.h"

namespace qinghe {

std::vector<std::string> SplitCharacters(std::string_view text) {
    std::vector<std::string> characters;
    if (text.find_first_not_of(' ') == std::string_view::npos) return characters;
    for (size_t pos = 0; pos < text.size();) {
        size_t length = CharacterLengthAt(text, pos);
        if (length == 0) break;
        characters.emplace_back(text.substr(pos, length));
        pos += length;
    }
    return characters;
}

}  // namespace qinghe
