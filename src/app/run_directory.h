// Where the program's files live.
#pragma once

#include <filesystem>

namespace qinghe {

// The folder of the running executable.
std::filesystem::path RunDirectory();
// run directory/data: the name database, page and export files.
std::filesystem::path DataDirectory();
// run directory/data/namedata.db.
std::filesystem::path NameDatabasePath();

}  // namespace qinghe
