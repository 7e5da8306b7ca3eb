// A generation host that records everything the engine does to the window.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "generation/generation_host.h"
#include "support/recording_messenger.h"

namespace qinghe::test {

class RecordingHost : public GenerationHost {
  public:
    // Inputs the next run reads (GBK texts); tests set them before a run.
    GenerationInputs inputs;
    // Called (on the worker thread) when a message is shown or a row filled,
    // so that a test can pause or stop the run at that moment.
    std::function<void()> on_message;
    std::function<void(int row)> on_fill;

    GenerationInputs ReadInputs() override;
    void ShowWaitingBox() override;
    void CloseWaitingBox() override;
    void SetEnabled(Control control, bool enabled) override;
    void ShowPage(Page page) override;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void InsertPlaceholderRows(ResultList list, int count) override;
    void FillRow(ResultList list, int row, const NameCandidate& candidate) override;
    void RemoveRowsFrom(ResultList list, int row) override;
    void ShowSortedRows(ResultList list, const std::vector<NameCandidate>& rows) override;
    void AppendEnglishRow(const EnglishNameRow& row) override;
    void SetClassicText(const std::string& text) override;

    // What the window would show now. Placeholder rows read as nullopt.
    std::vector<std::optional<NameCandidate>> rows(ResultList list) const;
    // The filled rows of a list, in list order.
    std::vector<NameCandidate> filled_rows(ResultList list) const;
    std::vector<EnglishNameRow> english_rows() const;
    std::string classic_text() const;
    std::vector<RecordedMessage> messages() const;
    // Every call in order, as UTF-8 words, e.g. "waiting-box shown",
    // "disable 按钮_高分暂停", "message 请输入姓氏", "placeholders 超级列表框_高分起名 10001".
    std::vector<std::string> events() const;
    std::optional<bool> enabled(Control control) const;
    bool waiting_box_open() const;
    int filled_count() const;

  private:
    void Record(std::string event);

    mutable std::mutex mutex_;
    std::vector<std::string> events_;
    std::map<ResultList, std::vector<std::optional<NameCandidate>>> lists_;
    std::vector<EnglishNameRow> english_;
    std::string classic_text_;
    std::vector<RecordedMessage> messages_;
    std::map<Control, bool> enabled_;
    bool waiting_box_open_ = false;
    int filled_count_ = 0;
};

}  // namespace qinghe::test
