// The main window. For now it reports the state of the name database; the
// naming pages arrive with their own work.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <atomic>
#include <thread>

#include "db/db_object.h"
#include "message_box_messenger.h"

namespace qinghe::ui {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(DbObject& db);
    ~MainWindow() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowDatabaseStatus();
    void StopLoader();

    DbObject& db_;
    MessageBoxMessenger messenger_{this};
    QLabel* status_ = nullptr;
    std::atomic<bool> load_finished_{false};
    std::jthread loader_;
};

}  // namespace qinghe::ui
