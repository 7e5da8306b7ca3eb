#include "radicals.h"

#include <sstream>

#include "source_files.h"
#include "utf8.h"

namespace namedata {

int RadicalStrokes(int radical) {
    // The last radical number of each stroke count, from 1 stroke to 17.
    static constexpr int kLastOfCount[] = {6,   29,  60,  94,  117, 146, 166, 175, 186,
                                           194, 200, 204, 208, 210, 211, 213, 214};
    if (radical < 1 || radical > 214) return 0;
    int strokes = 1;
    for (int last : kLastOfCount) {
        if (radical <= last) return strokes;
        ++strokes;
    }
    return 0;
}

RadicalCharacters RadicalCharacters::Load(const std::filesystem::path& file) {
    RadicalCharacters radicals;
    std::istringstream in(ReadTextFile(file));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields = SplitFields(line, ';');
        if (fields.size() != 3) continue;
        std::string number = fields[0];
        std::string ideograph = fields[2];
        while (!ideograph.empty() && ideograph.front() == ' ')
            ideograph.erase(0, 1);
        radicals.characters_[number] = EncodeUtf8(ParseCodePoint("U+" + ideograph));
    }
    if (radicals.characters_.size() < 214) throw BuildError(file.string() + " looks incomplete");
    return radicals;
}

std::string RadicalCharacters::Character(int radical, bool simplified) const {
    std::string key = std::to_string(radical) + (simplified ? "'" : "");
    auto it = characters_.find(key);
    if (it == characters_.end() && simplified) it = characters_.find(std::to_string(radical));
    return it == characters_.end() ? std::string() : it->second;
}

}  // namespace namedata
