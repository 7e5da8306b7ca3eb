#include "main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include "app/run_directory.h"
#include "db/name_database_loader.h"
#include "qt_text.h"
#include "text/gbk_literal.h"

namespace qinghe::ui {

MainWindow::MainWindow(DbObject& db) : db_(db) {
    setObjectName(QStringLiteral("启动窗口"));
    setWindowTitle(QStringLiteral("青禾宝宝取名软件V18.0"));
    resize(729, 537);
    move(50, 50);
    status_ = new QLabel(QStringLiteral("正在载入名字数据库……"), this);
    status_->setObjectName(QStringLiteral("标签_数据库状态"));
    status_->setAlignment(Qt::AlignCenter);
    setCentralWidget(status_);

    QPointer<MainWindow> self(this);
    loader_ = StartNameDatabaseLoad(db_, NameDatabasePath(), messenger_, [this, self] {
        load_finished_ = true;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self) self->ShowDatabaseStatus();
            },
            Qt::QueuedConnection);
    });
}

MainWindow::~MainWindow() {
    StopLoader();
}

void MainWindow::ShowDatabaseStatus() {
    RecordSet count = db_.Query("select count(*) from QH_CNWord");
    if (db_.IsOpen() && count.HasRow()) {
        status_->setText(QStringLiteral("名字数据库已载入，共收录 %1 个汉字").arg(count.GetInt(0)));
    } else {
        status_->setText(QStringLiteral("名字数据库未能载入，查询结果将为空"));
    }
}

// The loader may be waiting for a message box on this thread: keep serving
// events until it has ended instead of blocking on it.
void MainWindow::StopLoader() {
    messenger_.Shutdown();
    while (loader_.joinable() && !load_finished_)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (loader_.joinable()) loader_.join();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    StopLoader();
    db_.Close();
    event->accept();
}

}  // namespace qinghe::ui
