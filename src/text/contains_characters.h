// Whether a GBK text holds another as whole characters.
#pragma once

#include <string_view>

namespace qinghe {

// True when `needle` occurs in `text` starting at a character boundary (the
// boundaries SplitCharacters finds). A plain byte search would also match a
// trail byte followed by the next character's lead byte — two halves of
// different characters — and wrongly report a surname inside a name.
bool ContainsCharacters(std::string_view text, std::string_view needle);

}  // namespace qinghe
