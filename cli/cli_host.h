// The generation host of the command line: inputs from the arguments,
// messages on stderr, the final lists kept for printing.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "generation/generation_host.h"

namespace qinghe::cli {

class CliHost : public GenerationHost {
  public:
    explicit CliHost(GenerationInputs inputs, bool quiet = false)
        : inputs_(std::move(inputs)), quiet_(quiet) {}

    GenerationInputs ReadInputs() override { return inputs_; }
    void ShowWaitingBox() override {}
    void CloseWaitingBox() override {}
    void SetEnabled(Control, bool) override {}
    void ShowPage(Page) override {}
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void InsertPlaceholderRows(ResultList, int) override {}
    void FillRow(ResultList, int, const NameCandidate&) override {}
    void RemoveRowsFrom(ResultList, int) override {}
    void ShowSortedRows(ResultList list, const std::vector<NameCandidate>& rows) override {
        lists_[list] = rows;
    }
    void AppendEnglishRow(const EnglishNameRow& row) override { english_.push_back(row); }
    void SetClassicText(const std::string& text) override { classic_text_ = text; }

    const std::vector<NameCandidate>& rows(ResultList list) { return lists_[list]; }
    const std::vector<EnglishNameRow>& english_rows() const { return english_; }
    const std::string& classic_text() const { return classic_text_; }

  private:
    GenerationInputs inputs_;
    bool quiet_;
    std::map<ResultList, std::vector<NameCandidate>> lists_;
    std::vector<EnglishNameRow> english_;
    std::string classic_text_;
};

}  // namespace qinghe::cli
