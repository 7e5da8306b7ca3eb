// Copies the name database file into the program's memory database.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "app/messenger.h"
#include "db/db_object.h"

namespace qinghe {

// Opens `db` on a new memory database (or on `target` where a caller wants
// the copy elsewhere), declares the nine tables, copies every row of `file`
// into them in one transaction and creates the look-up indexes. A failure is
// shown through `messenger` and leaves `db` closed, so every later look-up
// reads empty values; the program goes on.
void LoadNameDatabase(DbObject& db, const std::filesystem::path& file, Messenger& messenger,
                      const std::filesystem::path& target = {});

// Runs LoadNameDatabase on a thread of its own. Look-ups from other threads
// wait for it to finish. `finished`, when given, runs last on that thread.
// The caller joins the returned thread (or lets it join on destruction).
std::jthread StartNameDatabaseLoad(DbObject& db, std::filesystem::path file, Messenger& messenger,
                                   std::function<void()> finished = {});

}  // namespace qinghe
