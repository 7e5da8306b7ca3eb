#include "support/fixture_database.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "db/name_database_loader.h"
#include "db/name_database_schema.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace qinghe::test {
namespace {

const char* const kElements[] = {"木", "火", "土", "金", "水"};

std::string Placeholders(size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += i == 0 ? "?" : ",?";
    return text;
}

void Insert(DbObject& db, const TableSchema& table, const std::vector<SqlValue>& row) {
    std::string sql = "insert into " + table.name + " values (" + Placeholders(row.size()) + ")";
    RecordSet result = db.Query(sql, row);
    if (!result || result.StepFailed())
        throw std::runtime_error("fixture insert into " + table.name + " failed");
}

}  // namespace

std::vector<FixtureChar> FixtureDatabase::DefaultChars() {
    return {
        {"李", 7, 7, "火", "li", "lǐ", "l", "李", "木", {}, {}},
        {"王", 4, 4, "土", "wang", "wáng", "w", "王", "王", {}, {}},
        {"张", 7, 11, "火", "zhang", "zhāng", "z", "張", "弓", {}, {}},
        {"志", 7, 7, "火", "zhi", "zhì", "z", "志", "心", {}, {}},
        {"强", 12, 12, "木", "qiang", "qiáng", "q", "強", "弓", {}, {}},
        {"明", 8, 8, "火", "ming", "míng", "m", "明", "日", {}, {}},
        {"华", 6, 14, "水", "hua", "huá", "h", "華", "十", {}, {}},
        {"欧", 8, 15, "土", "ou", "ōu", "", "歐", "欠", {}, {}},
        {"阳", 6, 17, "土", "yang", "yáng", "y", "陽", "阝", {}, {}},
    };
}

FixtureDatabase::FixtureDatabase() : chars_(DefaultChars()) {
    for (int id = 1; id <= 81; ++id)
        numbers_[id] = "大吉";
    for (const char* heaven : kElements)
        for (const char* person : kElements)
            for (const char* earth : kElements)
                talents_[std::string(heaven) + person + earth] = "大吉";
}

FixtureDatabase& FixtureDatabase::AddChar(FixtureChar c) {
    chars_.push_back(std::move(c));
    return *this;
}

FixtureDatabase& FixtureDatabase::AddChars(
    const std::string& utf8_list,
    const std::function<FixtureChar(const std::string& hanzi, int index)>& make) {
    std::set<std::string> present;
    for (const FixtureChar& c : chars_)
        present.insert(c.hanzi);
    int index = 0;
    for (const std::string& gbk : SplitCharacters(Utf8ToGbk(utf8_list))) {
        std::string hanzi = GbkToUtf8(gbk);
        if (!present.insert(hanzi).second) continue;
        FixtureChar c = make(hanzi, index++);
        c.hanzi = hanzi;
        chars_.push_back(std::move(c));
    }
    return *this;
}

FixtureDatabase& FixtureDatabase::ClearChars() {
    chars_.clear();
    return *this;
}

FixtureDatabase& FixtureDatabase::SetNumberLuck(int id, const std::string& luck) {
    numbers_[id] = luck;
    return *this;
}

FixtureDatabase& FixtureDatabase::RemoveNumber(int id) {
    numbers_.erase(id);
    return *this;
}

FixtureDatabase& FixtureDatabase::SetTalentsLuck(const std::string& key, const std::string& luck) {
    talents_[key] = luck;
    return *this;
}

FixtureDatabase& FixtureDatabase::RemoveTalents(const std::string& key) {
    talents_.erase(key);
    return *this;
}

FixtureDatabase& FixtureDatabase::AddRow(const std::string& table, std::vector<SqlValue> row) {
    rows_[table].push_back(std::move(row));
    return *this;
}

void FixtureDatabase::Write(const std::filesystem::path& file, const std::string& skip_table,
                            const std::string& short_table) const {
    std::filesystem::remove(file);
    DbObject db(TextBorder::kUtf8);
    if (!db.Open(file, true)) throw std::runtime_error("cannot create fixture " + file.string());
    db.Execute(
        "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF");  // a scratch file: speed over safety
    std::vector<TableSchema> tables = NameDatabaseTables(TextBorder::kUtf8);
    for (TableSchema& table : tables) {
        if (table.name == skip_table) continue;
        if (table.name == short_table) table.fields.pop_back();
        std::string error;
        if (!db.CreateTable(table.name, table.fields, &error))
            throw std::runtime_error("fixture table: " + error);
    }
    auto table_named = [&tables](const std::string& name) -> const TableSchema& {
        return *std::find_if(tables.begin(), tables.end(),
                             [&](const TableSchema& t) { return t.name == name; });
    };
    auto write_rows = [&](const std::string& name, const std::vector<std::vector<SqlValue>>& rows) {
        if (name == skip_table) return;
        const TableSchema& table = table_named(name);
        for (std::vector<SqlValue> row : rows) {
            row.resize(table.fields.size(), SqlValue(std::string()));
            Insert(db, table, row);
        }
    };

    db.BeginTransaction();
    std::vector<std::vector<SqlValue>> rows;
    std::int64_t id = 1;
    for (const FixtureChar& c : chars_) {
        rows.push_back({id++, std::int64_t{0}, c.hanzi, c.hanzi, c.traditional,
                        std::int64_t{c.simplified_strokes}, std::int64_t{c.kangxi_strokes},
                        c.pinyin_plain, c.pinyin_marked, c.initial, std::string(), c.radical,
                        c.element, std::string(), c.basic_meaning, c.detailed_meaning});
    }
    write_rows("QH_CNWord", rows);

    rows.clear();
    for (const auto& [number, luck] : numbers_)
        rows.push_back({std::int64_t{number}, luck, "第" + std::to_string(number) + "数"});
    write_rows("QH_八一灵动数", rows);

    rows.clear();
    id = 1;
    for (const auto& [key, luck] : talents_)
        rows.push_back({id++, key, luck, key + "配置"});
    write_rows("QH_三才配置", rows);

    for (const auto& [table, table_rows] : rows_)
        write_rows(table, table_rows);
    db.Commit();
    db.Close();
}

LoadedFixture::LoadedFixture(const FixtureDatabase& content)
    : file_(dir_ / "namedata.db"), db_(std::make_unique<DbObject>()) {
    content.Write(file_);
    LoadNameDatabase(*db_, file_, messenger_);
}

}  // namespace qinghe::test
