#include "message_box_messenger.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

#include "qt_text.h"

namespace qinghe::ui {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kInformation:
            return QMessageBox::Information;
        case MessageIcon::kWarning:
            return QMessageBox::Warning;
        case MessageIcon::kError:
            return QMessageBox::Critical;
        case MessageIcon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxMessenger::ShowMessage(const std::string& text, const std::string& title,
                                      MessageIcon icon) {
    QString body = FromGbk(text);
    QString caption = title.empty() ? QCoreApplication::applicationName() : FromGbk(title);
    auto show = [this, body, caption, icon] {
        QMessageBox box(ToQtIcon(icon), caption, body, QMessageBox::Ok, parent_.data());
        box.exec();
    };
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return;
    if (QThread::currentThread() == app->thread()) {
        show();
    } else if (!shutting_down_) {
        QMetaObject::invokeMethod(app, show, Qt::BlockingQueuedConnection);
    }
}

}  // namespace qinghe::ui
