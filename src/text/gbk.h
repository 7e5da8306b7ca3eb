// Conversions between the program's GBK text and the UTF-8 of the database and
// terminal and the UTF-16 of the window toolkit. They never throw and never
// fail as a whole: what the target cannot hold becomes a replacement character
// ("?" in GBK, U+FFFD in Unicode) and the rest is converted.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);
std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view utf16);

}  // namespace qinghe
