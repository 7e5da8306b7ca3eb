#include "unihan.h"

#include <charconv>
#include <sstream>

#include "source_files.h"
#include "utf8.h"

namespace namedata {
namespace {

int ParseInt(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string FirstWord(const std::string& value) {
    return value.substr(0, value.find(' '));
}

}  // namespace

RadicalStroke ParseRadicalStroke(const std::string& text) {
    RadicalStroke rs;
    std::string first = FirstWord(text);
    size_t dot = first.find('.');
    if (dot == std::string::npos) return rs;
    std::string radical = first.substr(0, dot);
    // Unihan marks simplified radicals with one apostrophe (two or three for rarer forms).
    while (!radical.empty() && radical.back() == '\'') {
        rs.simplified_radical = true;
        radical.pop_back();
    }
    rs.radical = ParseInt(radical);
    rs.residual = ParseInt(std::string_view(first).substr(dot + 1));
    return rs;
}

Unihan Unihan::Load(const std::filesystem::path& folder) {
    Unihan unihan;
    for (const char* file : {"Unihan_IRGSources.txt.bz2", "Unihan_RadicalStrokeCounts.txt.bz2",
                             "Unihan_Readings.txt.bz2"}) {
        std::istringstream in(ReadBzip2File(folder / file));
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            std::vector<std::string> fields = SplitFields(line, '\t');
            if (fields.size() != 3) continue;
            char32_t c = ParseCodePoint(fields[0]);
            const std::string& key = fields[1];
            const std::string& value = fields[2];
            UnihanEntry& entry = unihan.entries_[c];
            if (key == "kTotalStrokes") {
                entry.strokes_mainland = ParseInt(FirstWord(value));
                entry.strokes_traditional = ParseInt(value.substr(value.rfind(' ') + 1));
            } else if (key == "kRSUnicode") {
                entry.rs_unicode = ParseRadicalStroke(value);
            } else if (key == "kRSKangXi") {
                entry.rs_kangxi = ParseRadicalStroke(value);
            } else if (key == "kMandarin") {
                entry.mandarin = FirstWord(value);
            } else if (key == "kDefinition") {
                entry.definition = value;
            }
        }
    }
    if (unihan.entries_.size() < 20000)
        throw BuildError("Unihan data in " + folder.string() + " looks incomplete");
    return unihan;
}

const UnihanEntry* Unihan::Find(char32_t c) const {
    auto it = entries_.find(c);
    return it == entries_.end() ? nullptr : &it->second;
}

}  // namespace namedata
