#include "numerology/char_info.h"

#include "text/gbk_literal.h"

namespace qinghe {

CharInfo LoadCharInfo(DbObject& db, const std::string& character) {
    // Only the three columns numerology reads: a run loads thousands of
    // characters and the whole row carries long explanations.
    static const std::string kQuery =
        "select 简体笔画数, 繁体笔画数, 五行属性 from QH_CNWord where 汉字=?"_gbk;
    RecordSet row = db.Query(kQuery, {character});
    CharInfo info;
    info.hanzi = character;
    info.simplified_strokes = row.GetInt(0);
    info.kangxi_strokes = row.GetInt(1);
    info.element = row.GetText(2);
    row.Release();
    return info;
}

}  // namespace qinghe
