#include "command.h"

#include <algorithm>
#include <iostream>

#include "app/run_directory.h"
#include "db/name_database_loader.h"
#include "text/gbk.h"

namespace qinghe::cli {
namespace {

std::vector<Command>& Table() {
    static std::vector<Command> table;
    return table;
}

}  // namespace

CommandRegistration::CommandRegistration(std::string name, std::string usage,
                                         int (*run)(Invocation&)) {
    Table().push_back({std::move(name), std::move(usage), run});
}

const std::vector<Command>& Commands() {
    return Table();
}

void StderrMessenger::ShowMessage(const std::string& text, const std::string& title, MessageIcon) {
    std::cerr << "[" << GbkToUtf8(title) << "] " << GbkToUtf8(text) << std::endl;
}

void LoadDatabase(const Invocation& invocation, DbObject& db) {
    StderrMessenger messenger;
    LoadNameDatabase(db, invocation.database.empty() ? NameDatabasePath() : invocation.database,
                     messenger);
}

std::string TakeOption(std::vector<std::string>& args, const std::string& name) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return {};
    std::string value;
    if (std::next(it) != args.end()) {
        value = *std::next(it);
        args.erase(it, std::next(it, 2));
    } else {
        args.erase(it);
    }
    return value;
}

void PrintJson(const Json& value) {
    std::cout << value.dump(2) << std::endl;
}

}  // namespace qinghe::cli
