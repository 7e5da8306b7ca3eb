// Small namedata.db-shaped files for tests: the nine tables with exactly the
// program's columns, holding a handful of rows that a test can change.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "db/db_object.h"
#include "support/recording_messenger.h"
#include "support/temp_dir.h"

namespace qinghe::test {

// One QH_CNWord row; texts are UTF-8.
struct FixtureChar {
    std::string hanzi;
    int simplified_strokes = 0;
    int kangxi_strokes = 0;
    std::string element;        // 五行属性
    std::string pinyin_plain;   // 拼音1
    std::string pinyin_marked;  // 拼音2
    std::string initial;        // 声母
    std::string traditional;
    std::string radical;
    std::string basic_meaning;
    std::string detailed_meaning;

    static FixtureChar Of(std::string hanzi, int simplified, int kangxi, std::string element) {
        FixtureChar c;
        c.hanzi = std::move(hanzi);
        c.simplified_strokes = simplified;
        c.kangxi_strokes = kangxi;
        c.element = std::move(element);
        return c;
    }
};

class FixtureDatabase {
  public:
    // Starts with every number 1..81 and every three-talents key "大吉" and
    // the characters of DefaultChars().
    FixtureDatabase();

    static std::vector<FixtureChar> DefaultChars();

    FixtureDatabase& AddChar(FixtureChar c);
    // Adds every character of a UTF-8 list that the fixture does not hold
    // yet; `make` gives the row of the i-th added character.
    FixtureDatabase& AddChars(
        const std::string& utf8_list,
        const std::function<FixtureChar(const std::string& hanzi, int index)>& make);
    FixtureDatabase& ClearChars();
    FixtureDatabase& SetNumberLuck(int id, const std::string& luck);
    FixtureDatabase& RemoveNumber(int id);
    FixtureDatabase& SetTalentsLuck(const std::string& key, const std::string& luck);
    FixtureDatabase& RemoveTalents(const std::string& key);
    // Any other row, in column order, appended to `table` (UTF-8 name).
    FixtureDatabase& AddRow(const std::string& table, std::vector<SqlValue> row);

    // Writes the file; `skip_table` leaves one table out, `short_table`
    // declares that table with its last column missing (both to break loads).
    void Write(const std::filesystem::path& file, const std::string& skip_table = {},
               const std::string& short_table = {}) const;

  private:
    std::vector<FixtureChar> chars_;
    std::map<int, std::string> numbers_;
    std::map<std::string, std::string> talents_;
    std::map<std::string, std::vector<std::vector<SqlValue>>> rows_;
};

// A fixture written to a temporary folder and loaded into a GBK DbObject the
// way the program loads its database.
class LoadedFixture {
  public:
    explicit LoadedFixture(const FixtureDatabase& content = FixtureDatabase());
    DbObject& db() { return *db_; }
    const RecordingMessenger& messenger() const { return messenger_; }
    const std::filesystem::path& file() const { return file_; }

  private:
    TempDir dir_;
    std::filesystem::path file_;
    RecordingMessenger messenger_;
    std::unique_ptr<DbObject> db_;
};

}  // namespace qinghe::test
