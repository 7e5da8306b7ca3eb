#include "db/record_set.h"

#include <sqlite3.h>

#include <utility>

namespace qinghe {

RecordSet::RecordSet(sqlite3_stmt* statement, TextBorder border)
    : statement_(statement), border_(border) {}

RecordSet::~RecordSet() {
    Release();
}

RecordSet::RecordSet(RecordSet&& other) noexcept
    : statement_(std::exchange(other.statement_, nullptr)),
      border_(other.border_),
      has_row_(std::exchange(other.has_row_, false)),
      step_failed_(std::exchange(other.step_failed_, false)) {}

RecordSet& RecordSet::operator=(RecordSet&& other) noexcept {
    if (this != &other) {
        Release();
        statement_ = std::exchange(other.statement_, nullptr);
        border_ = other.border_;
        has_row_ = std::exchange(other.has_row_, false);
        step_failed_ = std::exchange(other.step_failed_, false);
    }
    return *this;
}

bool RecordSet::MoveNext() {
    if (statement_ == nullptr) return false;
    int rc = sqlite3_step(statement_);
    has_row_ = rc == SQLITE_ROW;
    step_failed_ = rc != SQLITE_ROW && rc != SQLITE_DONE;
    return has_row_;
}

bool RecordSet::Readable(int column) const {
    return has_row_ && column >= 0 && column < sqlite3_data_count(statement_);
}

std::string RecordSet::GetText(int column) const {
    if (!Readable(column)) return {};
    const unsigned char* text = sqlite3_column_text(statement_, column);
    if (text == nullptr) return {};
    int bytes = sqlite3_column_bytes(statement_, column);
    return FromLibraryText(
        border_, std::string_view(reinterpret_cast<const char*>(text), static_cast<size_t>(bytes)));
}

int RecordSet::GetInt(int column) const {
    if (!Readable(column)) return 0;
    return sqlite3_column_int(statement_, column);
}

bool RecordSet::Release() {
    if (statement_ == nullptr) return false;
    int rc = sqlite3_finalize(std::exchange(statement_, nullptr));
    has_row_ = false;
    return rc == SQLITE_OK;
}

}  // namespace qinghe
