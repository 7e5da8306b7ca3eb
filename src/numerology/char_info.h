// What numerology knows about one character, read from QH_CNWord.
#pragma once

#include <string>

#include "db/db_object.h"

namespace qinghe {

struct CharInfo {
    std::string hanzi;           // the character exactly as written in the pool (GBK)
    int simplified_strokes = 0;  // 简体笔画数
    int kangxi_strokes = 0;      // 繁体笔画数: every grid is computed from this count
    std::string element;         // 五行属性: 金 木 水 火 土, or empty

    // Generation builds candidates only from known characters.
    bool known() const { return !element.empty() && simplified_strokes != 0; }
};

// The character's row of QH_CNWord; a character without a row keeps 0, 0
// and the empty element.
CharInfo LoadCharInfo(DbObject& db, const std::string& character);

}  // namespace qinghe
