// Which text the callers of a DbObject speak. The program speaks GBK and the
// database stores UTF-8; the data builder speaks UTF-8 on both sides.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

enum class TextBorder { kGbk, kUtf8 };

// Caller text → the library's UTF-8.
std::string ToLibraryText(TextBorder border, std::string_view text);
// The library's UTF-8 → caller text.
std::string FromLibraryText(TextBorder border, std::string_view utf8);

}  // namespace qinghe
