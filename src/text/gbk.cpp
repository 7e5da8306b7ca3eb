#include "text/gbk.h"

#include <bit>
#include <cerrno>
#include <cstring>

#include "text/iconv_handle.h"

namespace qinghe {
namespace {

enum class Encoding { kGbk, kUtf8, kUtf16 };

const char* const kUtf16Name = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// Bytes of the input unit iconv refused, so that one unit becomes one
// replacement character and conversion goes on after it.
size_t RefusedUnitLength(Encoding from, const unsigned char* p, size_t left) {
    switch (from) {
        case Encoding::kGbk:
            if (p[0] >= 0x81 && p[0] <= 0xFE && left >= 2 && p[1] >= 0x40 && p[1] <= 0xFE &&
                p[1] != 0x7F)
                return 2;
            return 1;
        case Encoding::kUtf8: {
            size_t want = p[0] >= 0xF0 ? 4 : p[0] >= 0xE0 ? 3 : p[0] >= 0xC0 ? 2 : 1;
            size_t n = 1;
            while (n < want && n < left && (p[n] & 0xC0) == 0x80)
                ++n;
            return n;
        }
        case Encoding::kUtf16: {
            if (left < 4) return left < 2 ? left : 2;
            char16_t unit;
            std::memcpy(&unit, p, 2);
            return unit >= 0xD800 && unit <= 0xDBFF ? 4 : 2;
        }
    }
    return 1;
}

std::string_view Replacement(Encoding to) {
    switch (to) {
        case Encoding::kGbk:
            return "?";
        case Encoding::kUtf8:
            return "\xEF\xBF\xBD";
        case Encoding::kUtf16: {
            static const char16_t kFffd = u'\uFFFD';
            return std::string_view(reinterpret_cast<const char*>(&kFffd), 2);
        }
    }
    return "?";
}

std::string Convert(const IconvHandle& handle, Encoding from, Encoding to, std::string_view input) {
    if (!handle.valid()) return {};
    handle.Reset();
    std::string out(input.size() * 2 + 16, '\0');
    char* in_ptr = const_cast<char*>(input.data());
    size_t in_left = input.size();
    size_t written = 0;
    while (in_left > 0) {
        char* out_ptr = out.data() + written;
        size_t out_left = out.size() - written;
        size_t rc = iconv(handle.get(), &in_ptr, &in_left, &out_ptr, &out_left);
        written = out.size() - out_left;
        if (rc != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ (a unit the target cannot hold or an invalid input unit) or
        // EINVAL (a unit cut off at the end): one replacement, then go on.
        std::string_view repl = Replacement(to);
        if (out.size() - written < repl.size() + 16) out.resize(out.size() * 2 + repl.size());
        std::memcpy(out.data() + written, repl.data(), repl.size());
        written += repl.size();
        size_t skip =
            RefusedUnitLength(from, reinterpret_cast<const unsigned char*>(in_ptr), in_left);
        in_ptr += skip;
        in_left -= skip;
        handle.Reset();
    }
    out.resize(written);
    return out;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    thread_local IconvHandle handle("GBK", "UTF-8");
    return Convert(handle, Encoding::kUtf8, Encoding::kGbk, utf8);
}

std::string GbkToUtf8(std::string_view gbk) {
    thread_local IconvHandle handle("UTF-8", "GBK");
    return Convert(handle, Encoding::kGbk, Encoding::kUtf8, gbk);
}

std::u16string GbkToUtf16(std::string_view gbk) {
    thread_local IconvHandle handle(kUtf16Name, "GBK");
    std::string bytes = Convert(handle, Encoding::kGbk, Encoding::kUtf16, gbk);
    std::u16string out(bytes.size() / 2, u'\0');
    std::memcpy(out.data(), bytes.data(), out.size() * 2);
    return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
    thread_local IconvHandle handle("GBK", kUtf16Name);
    return Convert(handle, Encoding::kUtf16, Encoding::kGbk,
                   std::string_view(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2));
}

}  // namespace qinghe
