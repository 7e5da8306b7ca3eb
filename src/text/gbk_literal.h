// Chinese texts are written in the sources as UTF-8; the core works on GBK.
// "李"_gbk converts a literal once where it is used, e.g.
//     static const std::string kPrompt = "请输入姓氏"_gbk;
#pragma once

#include <cstddef>
#include <string>

#include "text/gbk.h"

namespace qinghe {

inline std::string operator""_gbk(const char* utf8, std::size_t size) {
    return Utf8ToGbk(std::string_view(utf8, size));
}

}  // namespace qinghe
