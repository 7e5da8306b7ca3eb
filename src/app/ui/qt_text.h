// The window's border: GBK core text <-> QString.
#pragma once

#include <QString>
#include <string>

#include "text/gbk.h"

namespace qinghe::ui {

inline QString FromGbk(const std::string& gbk) {
    std::u16string utf16 = GbkToUtf16(gbk);
    return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

inline std::string ToGbk(const QString& text) {
    return Utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                          static_cast<size_t>(text.size())));
}

}  // namespace qinghe::ui
