#include "wubi_table.h"

#include <algorithm>
#include <sstream>

#include "source_files.h"
#include "utf8.h"

namespace namedata {

WubiTable WubiTable::Load(const std::filesystem::path& dict_yaml) {
    WubiTable table;
    std::istringstream in(ReadTextFile(dict_yaml));
    std::string line;
    bool in_body = false;
    std::unordered_map<std::string, long long> code_weight;
    while (std::getline(in, line)) {
        if (!in_body) {
            in_body = line == "...";
            continue;
        }
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields = SplitFields(line, '\t');
        if (fields.size() < 2) continue;
        const std::string& text = fields[0];
        const std::string& code = fields[1];
        long long weight = fields.size() > 2 ? std::atoll(fields[2].c_str()) : 0;
        std::vector<std::string> characters = Utf8Characters(text);
        if (characters.size() == 1) {
            if (code.empty() || code[0] == 'z') continue;
            std::string& best = table.codes_[text];
            // Longest code first; among equals the heavier, then the first seen.
            if (code.size() > best.size() ||
                (code.size() == best.size() && weight > code_weight[text])) {
                best = code;
                code_weight[text] = weight;
            }
        } else if (characters.size() <= 4) {
            std::sort(characters.begin(), characters.end());
            characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
            for (const std::string& c : characters)
                table.words_[c].push_back({text, weight});
        }
    }
    if (table.codes_.size() < 5000) throw BuildError(dict_yaml.string() + " looks incomplete");
    for (auto& [character, words] : table.words_) {
        std::stable_sort(words.begin(), words.end(),
                         [](const Word& a, const Word& b) { return a.weight > b.weight; });
    }
    return table;
}

std::string WubiTable::Code(const std::string& character) const {
    auto it = codes_.find(character);
    return it == codes_.end() ? std::string() : it->second;
}

std::vector<std::string> WubiTable::CommonWords(const std::string& character, size_t count) const {
    std::vector<std::string> result;
    auto it = words_.find(character);
    if (it == words_.end()) return result;
    for (const Word& word : it->second) {
        if (result.size() == count) break;
        if (std::find(result.begin(), result.end(), word.text) == result.end())
            result.push_back(word.text);
    }
    return result;
}

}  // namespace namedata
