// The command table of qinghe-cli: each command file registers one verb.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/messenger.h"
#include "db/db_object.h"

namespace qinghe::cli {

using Json = nlohmann::ordered_json;

// What a command gets: its own arguments (UTF-8, options included) and the
// shared options.
struct Invocation {
    std::vector<std::string> args;
    bool json = false;
    std::filesystem::path database;  // --db, else the run directory's data/namedata.db
};

struct Command {
    std::string name;
    std::string usage;
    int (*run)(Invocation&);
};

// Declared once per command file at namespace scope:
//     const CommandRegistration kLookup{"lookup", "lookup 字", &RunLookup};
struct CommandRegistration {
    CommandRegistration(std::string name, std::string usage, int (*run)(Invocation&));
};

const std::vector<Command>& Commands();

// Message boxes become lines on stderr: "[title] text".
class StderrMessenger : public Messenger {
  public:
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
};

// Loads the name database the way the program does, messages on stderr.
void LoadDatabase(const Invocation& invocation, DbObject& db);

// Takes "--name value" out of args; "" when absent.
std::string TakeOption(std::vector<std::string>& args, const std::string& name);
// Prints JSON or text to stdout.
void PrintJson(const Json& value);

}  // namespace qinghe::cli
