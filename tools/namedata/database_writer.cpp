#include "database_writer.h"

#include "db/db_object.h"
#include "db/name_database_schema.h"
#include "source_files.h"

namespace namedata {
namespace {

using qinghe::SqlValue;

std::string Placeholders(size_t count) {
    std::string text = "?";
    for (size_t i = 1; i < count; ++i)
        text += ",?";
    return text;
}

class TableWriter {
  public:
    TableWriter(qinghe::DbObject& db, const qinghe::TableSchema& table)
        : db_(db),
          table_(table),
          sql_("insert into " + table.name + " values (" + Placeholders(table.fields.size()) +
               ")") {}

    void Insert(const std::vector<SqlValue>& row) {
        if (row.size() != table_.fields.size())
            throw BuildError("internal: a row of " + table_.name + " has the wrong width");
        qinghe::RecordSet result = db_.Query(sql_, row);
        if (!result || result.StepFailed()) throw BuildError("cannot insert into " + table_.name);
    }

  private:
    qinghe::DbObject& db_;
    const qinghe::TableSchema& table_;
    std::string sql_;
};

SqlValue Int(long long value) {
    return SqlValue(static_cast<std::int64_t>(value));
}

void WriteCharacters(TableWriter& writer, const std::vector<CharacterRow>& rows) {
    long long id = 1;
    for (const CharacterRow& r : rows) {
        writer.Insert({Int(id++), Int(r.code), r.hanzi, r.simplified, r.traditional,
                       Int(r.simplified_strokes), Int(r.kangxi_strokes), r.pinyin_plain,
                       r.pinyin_marked, r.initial, r.final_part, r.radical, r.element, r.wubi,
                       r.basic_meaning, r.detailed_meaning});
    }
}

void WriteEightyOne(TableWriter& writer, const TeamData& team) {
    for (const auto& row : team.eighty_one) {
        std::vector<SqlValue> values = {Int(std::stoll(row[0]))};
        for (size_t i = 1; i < row.size(); ++i)
            values.emplace_back(row[i]);
        writer.Insert(values);
    }
}

void WriteThreeTalents(TableWriter& writer, const TeamData& team) {
    long long id = 1;
    for (const auto& row : team.three_talents) {
        std::vector<SqlValue> values = {Int(id++)};
        for (const std::string& field : row)
            values.emplace_back(field);
        writer.Insert(values);
    }
}

}  // namespace

void WriteNameDatabase(const std::filesystem::path& out,
                       const std::vector<CharacterRow>& characters, const TeamData& team) {
    std::filesystem::path temp = out;
    temp += ".building";
    std::filesystem::remove(temp);
    {
        qinghe::DbObject db(qinghe::TextBorder::kUtf8);
        if (!db.Open(temp, true)) throw BuildError("cannot create " + temp.string());
        // The file is renamed into place only when complete, so it needs no journal.
        db.Execute("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF");
        const auto tables = qinghe::NameDatabaseTables(qinghe::TextBorder::kUtf8);
        std::string error;
        for (const auto& table : tables)
            if (!db.CreateTable(table.name, table.fields, &error)) throw BuildError(error);
        db.BeginTransaction();
        TableWriter cnword(db, tables[0]);
        WriteCharacters(cnword, characters);
        TableWriter talents(db, tables[1]);
        WriteThreeTalents(talents, team);
        TableWriter numbers(db, tables[2]);
        WriteEightyOne(numbers, team);
        if (!db.Commit()) throw BuildError("cannot commit " + temp.string());
        db.Execute("VACUUM");
        if (!db.Close()) throw BuildError("cannot close " + temp.string());
    }
    std::filesystem::rename(temp, out);
}

}  // namespace namedata
