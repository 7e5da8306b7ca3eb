// A messenger that records the message boxes instead of showing them.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "app/messenger.h"

namespace qinghe::test {

struct RecordedMessage {
    std::string text;  // UTF-8, for readable assertions
    std::string title;
    MessageIcon icon;
};

class RecordingMessenger : public Messenger {
  public:
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::vector<RecordedMessage> messages() const;

  private:
    mutable std::mutex mutex_;
    std::vector<RecordedMessage> messages_;
};

}  // namespace qinghe::test
