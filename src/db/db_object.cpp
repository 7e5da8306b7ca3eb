#include "db/db_object.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>

namespace qinghe {
namespace {

// How long a look-up waits for the name database to finish loading before
// it reads whatever the memory database holds.
constexpr std::chrono::seconds kLoadWaitLimit{30};

bool IsPlainIdentifier(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

}  // namespace

DbObject::DbObject(TextBorder border) : border_(border) {}

DbObject::~DbObject() {
    Close();
}

bool DbObject::Open(const std::filesystem::path& file, bool create) {
    WaitWhileLoading();
    std::unique_lock lock(connection_mutex_);
    if (connection_ != nullptr || sqlite3_threadsafe() == 0) return false;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (create) flags |= SQLITE_OPEN_CREATE;
    std::string name = file.empty() ? std::string(":memory:") : file.string();
    sqlite3* connection = nullptr;
    if (sqlite3_open_v2(name.c_str(), &connection, flags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(connection);
        return false;
    }
    connection_ = connection;
    return true;
}

bool DbObject::Close() {
    std::unique_lock lock(connection_mutex_);
    if (connection_ == nullptr) return false;
    // close_v2 keeps the connection alive until the last record set handed
    // out is released, so readers on other threads never dangle.
    int rc = sqlite3_close_v2(connection_);
    connection_ = nullptr;
    return rc == SQLITE_OK;
}

bool DbObject::IsOpen() const {
    std::shared_lock lock(connection_mutex_);
    return connection_ != nullptr;
}

std::string DbObject::LastError() const {
    return FromLibraryText(border_, sqlite3_errmsg(connection_));
}

bool DbObject::Execute(std::string_view sql, std::string* error_text) {
    WaitWhileLoading();
    std::shared_lock lock(connection_mutex_);
    if (error_text != nullptr) error_text->clear();
    if (connection_ == nullptr) return false;
    char* message = nullptr;
    std::string text = ToLibraryText(border_, sql);
    int rc = sqlite3_exec(connection_, text.c_str(), nullptr, nullptr, &message);
    if (message != nullptr) {
        if (error_text != nullptr) *error_text = FromLibraryText(border_, message);
        sqlite3_free(message);
    }
    return rc == SQLITE_OK;
}

RecordSet DbObject::Query(std::string_view sql, std::span<const SqlValue> values) {
    WaitWhileLoading();
    std::shared_lock lock(connection_mutex_);
    if (connection_ == nullptr) return {};
    std::string text = ToLibraryText(border_, sql);
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection_, text.data(), static_cast<int>(text.size()), &statement,
                           nullptr) != SQLITE_OK ||
        statement == nullptr) {
        sqlite3_finalize(statement);
        return {};
    }
    RecordSet records(statement, border_);
    int index = 1;
    for (const SqlValue& value : values) {
        int rc;
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            rc = sqlite3_bind_int64(statement, index, *number);
        } else {
            std::string bound = ToLibraryText(border_, std::get<std::string>(value));
            rc = sqlite3_bind_text(statement, index, bound.data(), static_cast<int>(bound.size()),
                                   SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) return records;
        ++index;
    }
    records.MoveNext();
    return records;
}

bool DbObject::CreateTable(std::string_view name, std::span<const FieldDef> fields,
                           std::string* error_text) {
    std::string sql = "create table " + std::string(name);
    if (!fields.empty()) {
        sql += " (";
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) sql += ",";
            sql += ColumnDefinition(fields[i]);
        }
        sql += ")";
    }
    return Execute(sql, error_text);
}

bool DbObject::BeginTransaction() {
    return Execute("BEGIN");
}
bool DbObject::Commit() {
    return Execute("COMMIT");
}
bool DbObject::Rollback() {
    return Execute("ROLLBACK");
}

bool DbObject::Attach(const std::filesystem::path& file, std::string_view alias,
                      std::string* error_text) {
    if (error_text != nullptr) error_text->clear();
    if (!IsPlainIdentifier(alias)) return false;
    WaitWhileLoading();
    std::shared_lock lock(connection_mutex_);
    if (connection_ == nullptr) return false;
    std::string sql = "ATTACH DATABASE ? AS " + std::string(alias);
    sqlite3_stmt* statement = nullptr;
    bool ok = sqlite3_prepare_v2(connection_, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK;
    std::string path = file.string();  // file names are bytes on Linux: no conversion
    ok = ok && sqlite3_bind_text(statement, 1, path.data(), static_cast<int>(path.size()),
                                 SQLITE_TRANSIENT) == SQLITE_OK;
    ok = ok && sqlite3_step(statement) == SQLITE_DONE;
    if (!ok && error_text != nullptr) *error_text = LastError();
    sqlite3_finalize(statement);
    return ok;
}

bool DbObject::Detach(std::string_view alias, std::string* error_text) {
    if (!IsPlainIdentifier(alias)) return false;
    return Execute("Detach Database " + std::string(alias), error_text);
}

void DbObject::BeginLoading() {
    std::lock_guard lock(load_mutex_);
    loading_ = true;
    loader_ = {};
}

void DbObject::ClaimLoading() {
    std::lock_guard lock(load_mutex_);
    loader_ = std::this_thread::get_id();
}

void DbObject::EndLoading() {
    {
        std::lock_guard lock(load_mutex_);
        loading_ = false;
        loader_ = {};
    }
    load_done_.notify_all();
}

void DbObject::WaitWhileLoading() const {
    std::unique_lock lock(load_mutex_);
    auto self = std::this_thread::get_id();
    load_done_.wait_for(lock, kLoadWaitLimit, [&] { return !loading_ || loader_ == self; });
}

}  // namespace qinghe
