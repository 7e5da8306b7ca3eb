// 青禾宝宝取名: the desktop program.
#include <QApplication>

#include "db/db_object.h"
#include "main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("青禾宝宝取名"));
    qinghe::DbObject db;  // program-wide, empty until the name database loads
    qinghe::ui::MainWindow window(db);
    window.show();
    return QApplication::exec();
}
