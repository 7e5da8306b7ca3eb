// The classic mode: a shuffled page of ready-made names, not scored.
#include "generation/builtin_lists_gbk.h"
#include "generation/generation_engine.h"
#include "generation/shuffle_texts.h"
#include "text/gbk_literal.h"
#include "text/split_characters.h"

namespace qinghe {
namespace {

// The two-character lists hold names each followed by ","; the final comma
// ends the last name, so no empty name follows it.
std::vector<std::string> SplitAtCommas(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start < list.size()) {
        size_t comma = list.find(',', start);  // "," is never a GBK trail byte
        if (comma == std::string::npos) comma = list.size();
        names.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

}  // namespace

void GenerationEngine::RunClassic() {
    if (!Change([&] {
            host_.ShowPage(Page::kClassic);
            host_.SetClassicText("");
        }))
        return;

    const bool boy = inputs_.sex == "男"_gbk;
    std::vector<std::string> names;
    if (name_length_ == 2)
        names = SplitAtCommas(boy ? ClassicMaleNames() : ClassicFemaleNames());
    else
        names = SplitCharacters(boy ? ClassicMaleSingles() : ClassicFemaleSingles());
    ShuffleTexts(names, random_);

    // Two spaces after a two-character name and 14 names a line; three
    // spaces after a one-character name and 16 a line; a blank line between.
    const std::string separator = name_length_ == 2 ? "  " : "   ";
    const size_t per_line = name_length_ == 2 ? 14 : 16;
    std::string text;
    for (size_t j = 1; j <= names.size(); ++j) {
        if (!control_.Checkpoint()) return;
        text += inputs_.surname + names[j - 1] + separator;
        if (j % per_line == 0) text += "\r\n\r\n";
    }
    if (!Change([&] { host_.SetClassicText(text); })) return;
    EndRun();
}

}  // namespace qinghe
