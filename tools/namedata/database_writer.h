// Writes namedata.db: the nine tables, declared exactly as the program
// declares them, filled with the built rows.
#pragma once

#include <filesystem>
#include <vector>

#include "character_rows.h"
#include "team_data.h"

namespace namedata {

// Writes to a temporary file beside `out` and renames it over `out`, so a
// failed build never leaves a half-written database behind.
void WriteNameDatabase(const std::filesystem::path& out,
                       const std::vector<CharacterRow>& characters, const TeamData& team);

}  // namespace namedata
