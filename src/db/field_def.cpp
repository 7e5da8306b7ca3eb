#include "db/field_def.h"

namespace qinghe {

std::string_view TypeWord(int type) {
    switch (type) {
        case kFieldByte:
            return "Byte";
        case kFieldSmallint:
            return "Smallint";
        case kFieldInteger:
            return "Integer";
        case kFieldBigInt:
            return "BigInt";
        case kFieldDecimal:
            return "Decimal";
        case kFieldDouble:
            return "Double";
        case kFieldBit:
            return "Bit";
        case kFieldDateTime:
            return "DateTime";
        case kFieldVarChar:
            return "VarChar";
        case kFieldBlob:
            return "Blob";
        case kFieldText:
            return "Text";
        default:
            return {};
    }
}

std::string ColumnDefinition(const FieldDef& field) {
    std::string text = field.name + " " + std::string(TypeWord(field.type));
    if (field.size != 0) text += "(" + std::to_string(field.size) + ")";
    if (field.flags != 0) {
        std::string words;
        if (field.flags & kFieldPrimaryKey) words += "Primary Key";
        if (field.flags & kFieldAutoIncrement) words += " AutoIncrement";
        if (field.flags & kFieldNotNull) words += " Not Null";
        text += " " + words;
    }
    if (!field.default_value.empty()) text += " Default " + field.default_value;
    return text;
}

}  // namespace qinghe
