// The rows of QH_CNWord: one per hanzi GBK can hold, in GBK code order.
#pragma once

#include <string>
#include <vector>

#include "char_sources.h"
#include "opencc_converter.h"
#include "radicals.h"
#include "team_data.h"
#include "unihan.h"
#include "wubi_table.h"

namespace namedata {

struct CharacterRow {
    int code = 0;  // the GBK code, lead byte * 256 + trail byte
    std::string hanzi, simplified, traditional;
    int simplified_strokes = 0, kangxi_strokes = 0;
    std::string pinyin_plain, pinyin_marked, initial, final_part, radical, element, wubi;
    std::string basic_meaning, detailed_meaning;
};

struct CharacterSources {
    const Unihan& unihan;
    const RadicalCharacters& radicals;
    const OpenccConverter& to_traditional;
    const OpenccConverter& to_simplified;
    const WubiTable& wubi;
    const CharSources& npm;
    const TeamData& team;
};

std::vector<CharacterRow> BuildCharacterRows(const CharacterSources& sources);

// The GBK hanzi as UTF-8 with their codes, in code order.
std::vector<std::pair<int, std::string>> GbkHanzi();

}  // namespace namedata
