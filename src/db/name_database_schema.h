// The nine tables of the name database, column by column. Every reader
// addresses columns by position and the load copies them by position, so the
// builder, the loader and the test fixtures all declare them from here.
#pragma once

#include <string>
#include <vector>

#include "db/field_def.h"
#include "db/text_border.h"

namespace qinghe {

struct TableSchema {
    std::string name;
    std::vector<FieldDef> fields;
};

// The tables in load order, names in the given text encoding.
std::vector<TableSchema> NameDatabaseTables(TextBorder border);

// Column positions of QH_CNWord.
enum CnWordColumn : int {
    kCnWordId = 0,
    kCnWordCode,
    kCnWordHanzi,
    kCnWordSimplified,
    kCnWordTraditional,
    kCnWordSimplifiedStrokes,
    kCnWordKangxiStrokes,
    kCnWordPinyinPlain,
    kCnWordPinyinMarked,
    kCnWordInitial,
    kCnWordFinal,
    kCnWordRadical,
    kCnWordElement,
    kCnWordWubi,
    kCnWordBasicMeaning,
    kCnWordDetailedMeaning,
};

}  // namespace qinghe
