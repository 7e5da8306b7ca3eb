#include "kangxi_strokes.h"

#include "radicals.h"
#include "utf8.h"

namespace namedata {
namespace {

int NumeralValue(char32_t c) {
    static constexpr char32_t kNumerals[] = U"一二三四五六七八九十";
    for (int i = 0; i < 10; ++i)
        if (kNumerals[i] == c) return i + 1;
    return 0;
}

}  // namespace

int KangxiStrokes(const std::string& traditional, const Unihan& unihan) {
    char32_t c = SingleCodePoint(traditional);
    if (int value = NumeralValue(c)) return value;
    const UnihanEntry* entry = unihan.Find(c);
    if (entry == nullptr) return 0;
    RadicalStroke rs = entry->rs_kangxi.valid() ? entry->rs_kangxi : entry->rs_unicode;
    if (!rs.valid()) return entry->strokes_traditional;
    if (rs.residual <= 0) return entry->strokes_traditional;
    return RadicalStrokes(rs.radical) + rs.residual;
}

}  // namespace namedata
