// qinghe-cli score 李 志强: the numerology columns and score of one name.
#include <iostream>

#include "command.h"
#include "numerology/name_score.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace qinghe::cli {
namespace {

int RunScore(Invocation& invocation) {
    if (invocation.args.size() != 2) {
        std::cerr << "usage: qinghe-cli score 姓 名 [--json]\n";
        return 2;
    }
    DbObject db;
    LoadDatabase(invocation, db);
    const std::string surname = Utf8ToGbk(invocation.args[0]);
    const std::string given = Utf8ToGbk(invocation.args[1]);
    CharTable table;
    for (const std::string& c : SplitCharacters(surname + given))
        table.Add(LoadCharInfo(db, c));
    NameScore score = ScoreName(table, LuckTables::Load(db), surname, given);

    Json row = Json::object();
    row["姓名"] = GbkToUtf8(surname + given);
    row["简体笔划"] = score.grids.simplified_total;
    row["繁体笔划"] = score.grids.total;
    row["五行"] = GbkToUtf8(score.grids.elements);
    row["五格"] = score.grids_text;
    row["三才"] = GbkToUtf8(score.talents_key);
    row["评分"] = score.score;
    if (invocation.json) {
        PrintJson(row);
    } else {
        for (const auto& [key, value] : row.items())
            std::cout << key << ": "
                      << (value.is_string() ? value.get<std::string>() : value.dump()) << "\n";
    }
    return 0;
}

const CommandRegistration kScore{"score", "score 姓 名", &RunScore};

}  // namespace
}  // namespace qinghe::cli
