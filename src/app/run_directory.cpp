#include "app/run_directory.h"

#include <system_error>

namespace qinghe {

std::filesystem::path RunDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path DataDirectory() {
    return RunDirectory() / "data";
}

std::filesystem::path NameDatabasePath() {
    return DataDirectory() / "namedata.db";
}

}  // namespace qinghe
