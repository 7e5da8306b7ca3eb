// The program's single way to the SQLite library: one connection, statements
// run with their values bound as parameters, record sets read column by column.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <mutex>
#include <shared_mutex>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <variant>

#include "db/field_def.h"
#include "db/record_set.h"
#include "db/text_border.h"

struct sqlite3;

namespace qinghe {

// A value bound to a "?" of a statement; text is in the caller's encoding.
using SqlValue = std::variant<std::int64_t, std::string>;

// Every operation returns its failure value (false, an empty RecordSet, "")
// when the object is not open, and none reports anything to the user. The
// connection runs in SQLite's serialized mode, so the loading thread, the
// window thread and the generation worker may all use it. Close waits for
// calls in flight; record sets handed out stay readable after Close.
class DbObject {
  public:
    explicit DbObject(TextBorder border = TextBorder::kGbk);
    ~DbObject();
    DbObject(const DbObject&) = delete;
    DbObject& operator=(const DbObject&) = delete;

    // Opens `file`, or a new database in memory when it is empty, read-write;
    // `create` adds create-if-missing. False when already open, when the
    // library is not built thread-safe, or when opening fails.
    bool Open(const std::filesystem::path& file = {}, bool create = false);
    // False when nothing was open.
    bool Close();
    bool IsOpen() const;

    // Runs one or more statements; error_text receives the library's message.
    bool Execute(std::string_view sql, std::string* error_text = nullptr);
    // Prepares `sql`, binds `values` to its parameters 1, 2, … and steps once.
    // An invalid statement gives no record set; a failed bind gives the
    // statement unstepped (standing on no row).
    RecordSet Query(std::string_view sql, std::span<const SqlValue> values);
    RecordSet Query(std::string_view sql, std::initializer_list<SqlValue> values = {}) {
        return Query(sql, std::span<const SqlValue>(values.begin(), values.size()));
    }

    bool CreateTable(std::string_view name, std::span<const FieldDef> fields,
                     std::string* error_text = nullptr);
    bool BeginTransaction();
    bool Commit();
    bool Rollback();
    // Attaches a database file under `alias` (letters, digits, "_"). The path
    // is bound as a value, so any file name works.
    bool Attach(const std::filesystem::path& file, std::string_view alias,
                std::string* error_text = nullptr);
    bool Detach(std::string_view alias, std::string* error_text = nullptr);

    // The load gate. BeginLoading marks a load as under way; the loading
    // thread then claims it, and every call from any other thread waits
    // (bounded) until EndLoading instead of reading half-copied tables.
    void BeginLoading();
    void ClaimLoading();
    void EndLoading();

  private:
    void WaitWhileLoading() const;
    std::string LastError() const;

    TextBorder border_;
    sqlite3* connection_ = nullptr;
    mutable std::shared_mutex connection_mutex_;  // Close waits for calls in flight

    mutable std::mutex load_mutex_;
    mutable std::condition_variable load_done_;
    bool loading_ = false;
    std::thread::id loader_;
};

}  // namespace qinghe
