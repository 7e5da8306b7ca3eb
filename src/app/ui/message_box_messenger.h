// Message boxes for the core, shown on the window thread whichever thread
// asks; the asking thread waits until the box is answered.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <atomic>

#include "app/messenger.h"

namespace qinghe::ui {

class MessageBoxMessenger : public Messenger {
  public:
    explicit MessageBoxMessenger(QWidget* parent) : parent_(parent) {}
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    // After this, messages from other threads are dropped instead of waiting
    // for a window thread that is shutting down.
    void Shutdown() { shutting_down_ = true; }

  private:
    QPointer<QWidget> parent_;
    std::atomic<bool> shutting_down_{false};
};

}  // namespace qinghe::ui
