// Small UTF-8 helpers for the data builder, which works in UTF-8 throughout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace namedata {

std::string EncodeUtf8(char32_t code_point);
// The code points of a UTF-8 text; invalid bytes are skipped.
std::u32string DecodeUtf8(std::string_view text);
// The characters of a UTF-8 text, each as its own UTF-8 string.
std::vector<std::string> Utf8Characters(std::string_view text);
// The single code point of a one-character text, 0 otherwise.
char32_t SingleCodePoint(std::string_view text);
// "U+6E56" → 0x6E56; 0 when malformed.
char32_t ParseCodePoint(std::string_view text);

}  // namespace namedata
