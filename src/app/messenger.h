// The one way the core shows a message box. The window implements it with
// real message boxes, the command line prints to stderr, tests record.
#pragma once

#include <string>

namespace qinghe {

enum class MessageIcon { kNone, kInformation, kWarning, kError };

class Messenger {
  public:
    virtual ~Messenger() = default;
    // Text and title are GBK. Returns once the user has answered the box.
    virtual void ShowMessage(const std::string& text, const std::string& title,
                             MessageIcon icon) = 0;
};

}  // namespace qinghe
