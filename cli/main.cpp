// qinghe-cli: the naming core without a window. UTF-8 on the terminal.
#include <algorithm>
#include <iostream>

#include "command.h"

namespace {

int PrintUsage() {
    std::cerr << "usage: qinghe-cli <command> [arguments] [--json] [--db namedata.db]\n\n";
    std::vector<qinghe::cli::Command> commands = qinghe::cli::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& command : commands)
        std::cerr << "  qinghe-cli " << command.usage << "\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return PrintUsage();
    qinghe::cli::Invocation invocation;
    std::string verb = argv[1];
    if (verb == "--bench") verb = "bench";
    for (int i = 2; i < argc; ++i)
        invocation.args.emplace_back(argv[i]);
    auto& args = invocation.args;
    if (auto it = std::find(args.begin(), args.end(), "--json"); it != args.end()) {
        invocation.json = true;
        args.erase(it);
    }
    invocation.database = qinghe::cli::TakeOption(args, "--db");

    for (const auto& command : qinghe::cli::Commands())
        if (command.name == verb) return command.run(invocation);
    std::cerr << "qinghe-cli: unknown command '" << verb << "'\n";
    return PrintUsage();
}
