#include "support/recording_host.h"

#include "text/gbk.h"

namespace qinghe::test {

void RecordingHost::Record(std::string event) {
    events_.push_back(std::move(event));
}

GenerationInputs RecordingHost::ReadInputs() {
    std::lock_guard lock(mutex_);
    Record("read inputs");
    return inputs;
}

void RecordingHost::ShowWaitingBox() {
    std::lock_guard lock(mutex_);
    waiting_box_open_ = true;
    Record("waiting-box shown");
}

void RecordingHost::CloseWaitingBox() {
    std::lock_guard lock(mutex_);
    waiting_box_open_ = false;
    Record("waiting-box closed");
}

void RecordingHost::SetEnabled(Control control, bool enabled) {
    std::lock_guard lock(mutex_);
    enabled_[control] = enabled;
    Record(std::string(enabled ? "enable " : "disable ") + ControlName(control));
}

void RecordingHost::ShowPage(Page page) {
    std::lock_guard lock(mutex_);
    Record("page " + std::to_string(static_cast<int>(page)));
}

void RecordingHost::ShowMessage(const std::string& text, const std::string& title,
                                MessageIcon icon) {
    {
        std::lock_guard lock(mutex_);
        messages_.push_back({GbkToUtf8(text), GbkToUtf8(title), icon});
        Record("message " + GbkToUtf8(text));
    }
    if (on_message) on_message();
}

void RecordingHost::InsertPlaceholderRows(ResultList list, int count) {
    std::lock_guard lock(mutex_);
    lists_[list].resize(lists_[list].size() + static_cast<size_t>(count));
    Record(std::string("placeholders ") + ResultListName(list) + " " + std::to_string(count));
}

void RecordingHost::FillRow(ResultList list, int row, const NameCandidate& candidate) {
    {
        std::lock_guard lock(mutex_);
        auto& rows = lists_[list];
        if (row >= 0 && static_cast<size_t>(row) < rows.size())
            rows[static_cast<size_t>(row)] = candidate;
        ++filled_count_;
        if (filled_count_ == 1) Record(std::string("first row ") + ResultListName(list));
    }
    if (on_fill) on_fill(row);
}

void RecordingHost::RemoveRowsFrom(ResultList list, int row) {
    std::lock_guard lock(mutex_);
    auto& rows = lists_[list];
    if (row >= 0 && static_cast<size_t>(row) < rows.size()) rows.resize(static_cast<size_t>(row));
    Record(std::string("trim ") + ResultListName(list) + " " + std::to_string(row));
}

void RecordingHost::ShowSortedRows(ResultList list, const std::vector<NameCandidate>& rows) {
    std::lock_guard lock(mutex_);
    auto& shown = lists_[list];
    shown.assign(rows.begin(), rows.end());
    Record(std::string("sorted ") + ResultListName(list));
}

void RecordingHost::AppendEnglishRow(const EnglishNameRow& row) {
    std::lock_guard lock(mutex_);
    english_.push_back(row);
}

void RecordingHost::SetClassicText(const std::string& text) {
    std::lock_guard lock(mutex_);
    classic_text_ = text;
    Record("classic text");
}

std::vector<std::optional<NameCandidate>> RecordingHost::rows(ResultList list) const {
    std::lock_guard lock(mutex_);
    auto it = lists_.find(list);
    return it == lists_.end() ? std::vector<std::optional<NameCandidate>>{} : it->second;
}

std::vector<NameCandidate> RecordingHost::filled_rows(ResultList list) const {
    std::vector<NameCandidate> filled;
    for (const auto& row : rows(list))
        if (row) filled.push_back(*row);
    return filled;
}

std::vector<EnglishNameRow> RecordingHost::english_rows() const {
    std::lock_guard lock(mutex_);
    return english_;
}

std::string RecordingHost::classic_text() const {
    std::lock_guard lock(mutex_);
    return classic_text_;
}

std::vector<RecordedMessage> RecordingHost::messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<std::string> RecordingHost::events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

std::optional<bool> RecordingHost::enabled(Control control) const {
    std::lock_guard lock(mutex_);
    auto it = enabled_.find(control);
    return it == enabled_.end() ? std::nullopt : std::optional<bool>(it->second);
}

bool RecordingHost::waiting_box_open() const {
    std::lock_guard lock(mutex_);
    return waiting_box_open_;
}

int RecordingHost::filled_count() const {
    std::lock_guard lock(mutex_);
    return filled_count_;
}

}  // namespace qinghe::test
