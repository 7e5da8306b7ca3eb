// qinghe-cli lookup 字: one character's row of the character table.
#include <iostream>

#include "command.h"
#include "db/name_database_schema.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

namespace qinghe::cli {
namespace {

int RunLookup(Invocation& invocation) {
    if (invocation.args.size() != 1) {
        std::cerr << "usage: qinghe-cli lookup 字 [--json]\n";
        return 2;
    }
    DbObject db;
    LoadDatabase(invocation, db);
    RecordSet row =
        db.Query("select * from QH_CNWord where 汉字=?"_gbk, {Utf8ToGbk(invocation.args[0])});
    if (!row.HasRow()) {
        std::cerr << "qinghe-cli: " << invocation.args[0] << " is not in the character table\n";
        return 1;
    }
    const TableSchema table = NameDatabaseTables(TextBorder::kUtf8).front();
    Json json = Json::object();
    for (size_t i = 0; i < table.fields.size(); ++i) {
        const FieldDef& field = table.fields[i];
        int column = static_cast<int>(i);
        if (invocation.json) {
            if (field.type == kFieldInteger)
                json[field.name] = row.GetInt(column);
            else
                json[field.name] = GbkToUtf8(row.GetText(column));
        } else {
            std::cout << field.name << ": " << GbkToUtf8(row.GetText(column)) << "\n";
        }
    }
    if (invocation.json) PrintJson(json);
    return 0;
}

const CommandRegistration kLookup{"lookup", "lookup 字", &RunLookup};

}  // namespace
}  // namespace qinghe::cli
