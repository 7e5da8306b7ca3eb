// Column definitions for DbObject::CreateTable.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

// Type codes and the words CreateTable writes for them.
enum FieldType : int {
    kFieldByte = 1,
    kFieldSmallint = 2,
    kFieldInteger = 3,
    kFieldBigInt = 4,
    kFieldDecimal = 5,
    kFieldDouble = 6,
    kFieldBit = 7,
    kFieldDateTime = 8,
    kFieldVarChar = 10,
    kFieldBlob = 11,
    kFieldText = 12,
};

// Constraint flags.
enum FieldFlag : int {
    kFieldPrimaryKey = 1,
    kFieldAutoIncrement = 2,
    kFieldNotNull = 4,
};

struct FieldDef {
    std::string name;
    int type = kFieldInteger;
    int size = 0;  // 0: no size written
    int flags = 0;
    std::string default_value;  // empty: no default clause
};

// "Integer", "VarChar", …; empty for an unknown code.
std::string_view TypeWord(int type);

// The column text CreateTable writes, e.g. "汉字 VarChar(2)" or
// "Id Integer Primary Key AutoIncrement Not Null".
std::string ColumnDefinition(const FieldDef& field);

}  // namespace qinghe
