// One prepared query standing on the row of its last step.
#pragma once

#include <string>

#include "db/text_border.h"

struct sqlite3_stmt;

namespace qinghe {

// Owns its statement and finalizes it when released or destroyed. A
// default-constructed RecordSet is "no record set". Reading with no record
// set, with no current row, or beyond the last column gives "" and 0.
class RecordSet {
  public:
    RecordSet() = default;
    RecordSet(sqlite3_stmt* statement, TextBorder border);
    ~RecordSet();
    RecordSet(RecordSet&& other) noexcept;
    RecordSet& operator=(RecordSet&& other) noexcept;
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    // False for "no record set".
    explicit operator bool() const { return statement_ != nullptr; }
    // True while the record set stands on a row.
    bool HasRow() const { return has_row_; }
    // True when the last step ended in an error rather than a row or the end
    // (a failed insert, say); readers of the program never need it.
    bool StepFailed() const { return step_failed_; }

    // Steps once; true exactly when the step produced a row.
    bool MoveNext();
    // The column's value in the caller's text (numbers as decimal text).
    std::string GetText(int column) const;
    int GetInt(int column) const;
    // Finalizes the statement; false when there was none or finalizing failed.
    bool Release();

  private:
    bool Readable(int column) const;

    sqlite3_stmt* statement_ = nullptr;
    TextBorder border_ = TextBorder::kGbk;
    bool has_row_ = false;
    bool step_failed_ = false;
};

}  // namespace qinghe
