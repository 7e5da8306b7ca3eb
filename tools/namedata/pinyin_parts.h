// Taking a pinyin syllable apart the way the character table stores it.
#pragma once

#include <string>

namespace namedata {

// "lǘ" → "lv": tone marks dropped, ü written v.
std::string Toneless(const std::string& marked);
// The initial as one letter, as the English-name mode matches it: zh → z,
// ch → c, sh → s; y and w count as initials; "" for a vowel start.
std::string InitialLetter(const std::string& toneless);
// What follows the initial: "zhuang" → "uang", "yang" → "ang", "an" → "an".
std::string FinalPart(const std::string& toneless);

}  // namespace namedata
