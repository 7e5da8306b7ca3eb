// The English mode: English names whose initial sound matches the first
// character of the Chinese given name, in the table's order.
#include <cctype>

#include "db/name_database_schema.h"
#include "generation/generation_engine.h"
#include "text/gbk_literal.h"
#include "text/split_characters.h"

namespace qinghe {
namespace {

// The pinyin initial → the initial key of the English names table. Applied
// once: its results are not mapped again.
std::string EnglishKeyOfInitial(const std::string& initial) {
    static const struct {
        const char* initial;
        const char* key;
    } kMap[] = {{"a", "i"},  {"c", "s"},  {"j", "g"}, {"k", "ch"}, {"o", "a"},
                {"q", "ch"}, {"x", "sh"}, {"y", "e"}, {"z", "th"}};
    for (const auto& entry : kMap)
        if (initial == entry.initial) return entry.key;
    return initial;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

void GenerationEngine::RunEnglish() {
    std::vector<std::string> given = SplitCharacters(inputs_.english_given);
    if (!given.empty()) {
        RecordSet row = db_.Query("select * from QH_CNWord where 汉字=?"_gbk, {given.front()});
        std::string initial = Lower(row.GetText(kCnWordInitial));
        if (initial.empty()) initial = Lower(row.GetText(kCnWordPinyinPlain).substr(0, 1));
        row.Release();
        const std::string key = EnglishKeyOfInitial(initial);

        RecordSet names = db_.Query("select * from QH_EName"_gbk);
        int number = 1;
        for (bool has = names.HasRow(); has; has = names.MoveNext()) {
            if (!control_.Checkpoint()) return;
            std::string row_key = names.GetText(2);
            if (row_key.empty()) row_key = names.GetText(1);
            if (row_key != key || names.GetInt(5) != inputs_.english_gender) continue;
            EnglishNameRow english{number++, names.GetText(3), names.GetText(6), names.GetText(9)};
            if (!Change([&] { host_.AppendEnglishRow(english); })) return;
            ++stats_.rows;
        }
    }
    EndRun();
}

}  // namespace qinghe
