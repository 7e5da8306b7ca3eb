#include "db/text_border.h"

#include "text/gbk.h"

namespace qinghe {

std::string ToLibraryText(TextBorder border, std::string_view text) {
    return border == TextBorder::kGbk ? GbkToUtf8(text) : std::string(text);
}

std::string FromLibraryText(TextBorder border, std::string_view utf8) {
    return border == TextBorder::kGbk ? Utf8ToGbk(utf8) : std::string(utf8);
}

}  // namespace qinghe
