#include "pinyin_parts.h"

#include <cstring>

#include "utf8.h"

namespace namedata {
namespace {

char PlainLetter(char32_t c) {
    static const struct {
        const char32_t* marked;
        char plain;
    } kGroups[] = {{U"āáǎà", 'a'}, {U"ēéěè", 'e'},  {U"īíǐì", 'i'}, {U"ōóǒò", 'o'},
                   {U"ūúǔù", 'u'}, {U"ǖǘǚǜü", 'v'}, {U"ńňǹ", 'n'},  {U"ḿ", 'm'}};
    if (c < 0x80) return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (const auto& group : kGroups)
        for (const char32_t* m = group.marked; *m != 0; ++m)
            if (*m == c) return group.plain;
    return 0;
}

size_t InitialLength(const std::string& toneless) {
    if (toneless.rfind("zh", 0) == 0 || toneless.rfind("ch", 0) == 0 ||
        toneless.rfind("sh", 0) == 0)
        return 2;
    if (!toneless.empty() && std::strchr("bpmfdtnlgkhjqxzcsryw", toneless[0]) != nullptr &&
        toneless.size() > 1)
        return 1;
    return 0;
}

}  // namespace

std::string Toneless(const std::string& marked) {
    std::string plain;
    for (char32_t c : DecodeUtf8(marked))
        if (char letter = PlainLetter(c)) plain += letter;
    return plain;
}

std::string InitialLetter(const std::string& toneless) {
    return toneless.substr(0, InitialLength(toneless) == 0 ? 0 : 1);
}

std::string FinalPart(const std::string& toneless) {
    return toneless.substr(InitialLength(toneless));
}

}  // namespace namedata
