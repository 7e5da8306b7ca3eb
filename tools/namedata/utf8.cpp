#include "utf8.h"

#include <charconv>

namespace namedata {

std::string EncodeUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        auto b = static_cast<unsigned char>(text[i]);
        size_t length = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > text.size()) {
            ++i;
            continue;
        }
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += c;
        i += length;
    }
    return out;
}

std::vector<std::string> Utf8Characters(std::string_view text) {
    std::vector<std::string> out;
    for (char32_t c : DecodeUtf8(text))
        out.push_back(EncodeUtf8(c));
    return out;
}

char32_t SingleCodePoint(std::string_view text) {
    std::u32string decoded = DecodeUtf8(text);
    return decoded.size() == 1 ? decoded[0] : 0;
}

char32_t ParseCodePoint(std::string_view text) {
    if (text.size() < 3 || text.substr(0, 2) != "U+") return 0;
    unsigned value = 0;
    auto [end, ec] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

}  // namespace namedata
