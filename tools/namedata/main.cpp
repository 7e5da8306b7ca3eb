// namedata-build: writes namedata.db with the nine tables of the name database.
#include <filesystem>
#include <iostream>
#include <string>

#include "db/db_object.h"
#include "db/name_database_schema.h"

int main(int argc, char** argv) {
    std::filesystem::path out;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--out") out = argv[i + 1];
    if (out.empty()) {
        std::cerr << "usage: namedata-build --data DATA_DIR --out namedata.db\n";
        return 2;
    }
    std::filesystem::path temp = out;
    temp += ".tmp";
    std::filesystem::remove(temp);
    qinghe::DbObject db(qinghe::TextBorder::kUtf8);
    if (!db.Open(temp, true)) {
        std::cerr << "namedata-build: cannot create " << temp << "\n";
        return 1;
    }
    for (const auto& table : qinghe::NameDatabaseTables(qinghe::TextBorder::kUtf8)) {
        std::string error;
        if (!db.CreateTable(table.name, table.fields, &error)) {
            std::cerr << "namedata-build: " << error << "\n";
            return 1;
        }
    }
    db.Close();
    std::filesystem::rename(temp, out);
    return 0;
}
