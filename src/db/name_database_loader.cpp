#include "db/name_database_loader.h"

#include <utility>

#include "db/name_database_schema.h"
#include "text/gbk_literal.h"

namespace qinghe {

void LoadNameDatabase(DbObject& db, const std::filesystem::path& file, Messenger& messenger,
                      const std::filesystem::path& target) {
    const std::vector<TableSchema> tables = NameDatabaseTables(TextBorder::kGbk);

    if (!db.Open(target)) {
        messenger.ShowMessage("打开内存数据库失败！"_gbk, "", MessageIcon::kError);
        return;
    }
    std::string error;
    for (const TableSchema& table : tables) {
        if (!db.CreateTable(table.name, table.fields, &error)) {
            db.Close();
            messenger.ShowMessage(error, "", MessageIcon::kError);
            return;
        }
    }
    if (!db.Attach(file, "new_db")) {
        messenger.ShowMessage("将磁盘数据库附加到内存数据库失败！"_gbk, "", MessageIcon::kError);
        db.Close();
        return;
    }
    db.BeginTransaction();
    for (const TableSchema& table : tables) {
        if (!db.Execute("insert into " + table.name + " select * from new_db." + table.name,
                        &error)) {
            db.Rollback();
            db.Close();
            messenger.ShowMessage(error, "", MessageIcon::kError);
            return;
        }
    }
    db.Commit();
    db.Detach("new_db");
    // The indexes serve the look-ups generation makes for every candidate;
    // their outcome is not looked at.
    db.Query("CREATE INDEX NewIndex1 on QH_CNWord(汉字 ASC)"_gbk);
    db.Query("CREATE INDEX NewIndex2 on QH_八一灵动数(Id ASC)"_gbk);
    db.Query("CREATE INDEX NewIndex3 on QH_三才配置(三才 ASC)"_gbk);
}

std::jthread StartNameDatabaseLoad(DbObject& db, std::filesystem::path file, Messenger& messenger,
                                   std::function<void()> finished) {
    db.BeginLoading();
    return std::jthread([&db, &messenger, file = std::move(file), finished = std::move(finished)] {
        db.ClaimLoading();
        {
            // Waiting look-ups are released even if the load ends abnormally.
            struct EndLoadingOnExit {
                DbObject& db;
                ~EndLoadingOnExit() { db.EndLoading(); }
            } end_loading{db};
            LoadNameDatabase(db, file, messenger);
        }
        if (finished) finished();
    });
}

}  // namespace qinghe
