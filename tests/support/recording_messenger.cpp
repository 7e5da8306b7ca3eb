#include "support/recording_messenger.h"

#include "text/gbk.h"

namespace qinghe::test {

void RecordingMessenger::ShowMessage(const std::string& text, const std::string& title,
                                     MessageIcon icon) {
    std::lock_guard lock(mutex_);
    messages_.push_back({GbkToUtf8(text), GbkToUtf8(title), icon});
}

std::vector<RecordedMessage> RecordingMessenger::messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

}  // namespace qinghe::test
