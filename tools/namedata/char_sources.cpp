#include "char_sources.h"

#include "source_files.h"

namespace namedata {

CharSources CharSources::Load(const std::filesystem::path& tsv) {
    CharSources sources;
    for (auto& row : ReadTsv(tsv, {"汉字", "读音", "姓氏读音", "部首", "结构"})) {
        CharSource& entry = sources.entries_[row[0]];
        if (!row[1].empty()) entry.readings = SplitFields(row[1], ' ');
        entry.surname_reading = row[2];
        entry.radical = row[3];
        entry.structure = row[4];
    }
    if (sources.entries_.size() < 15000) throw BuildError(tsv.string() + " looks incomplete");
    return sources;
}

const CharSource* CharSources::Find(const std::string& character) const {
    auto it = entries_.find(character);
    return it == entries_.end() ? nullptr : &it->second;
}

}  // namespace namedata
