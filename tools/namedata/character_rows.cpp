#include "character_rows.h"

#include <set>

#include "element_rule.h"
#include "generation/builtin_lists.h"
#include "kangxi_strokes.h"
#include "pinyin_parts.h"
#include "source_files.h"
#include "text/gbk.h"
#include "utf8.h"

namespace namedata {
namespace {

bool IsHanzi(char32_t c) {
    return c == 0x3007 || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

// The characters of the program's naming pools and classic lists: a surname
// character among them keeps the reading names use.
std::set<std::string> NamePoolCharacters() {
    std::set<std::string> pool;
    for (std::string_view list :
         {qinghe::kMalePoolUtf8, qinghe::kFemalePoolUtf8, qinghe::kClassicMaleSinglesUtf8,
          qinghe::kClassicFemaleSinglesUtf8})
        for (std::string& c : Utf8Characters(list))
            pool.insert(std::move(c));
    return pool;
}

std::string HtmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string out;
    for (const std::string& part : parts)
        out += (out.empty() ? "" : separator) + part;
    return out;
}

// The radical as a dictionary shows it, where the npm table does not know
// the character: Unihan's radical, in its side form where the Wubi code shows
// the character starting with that side form.
std::string DerivedRadical(const RadicalStroke& rs, const std::string& wubi,
                           const RadicalCharacters& radicals) {
    char first_key = wubi.empty() ? '\0' : wubi[0];
    bool side = rs.residual > 0;
    switch (rs.radical) {
        case 85:
            if (side && first_key == 'i') return "氵";
            break;
        case 64:
            if (side && first_key == 'r') return "扌";
            break;
        case 61:
            if (side && first_key == 'n') return "忄";
            break;
        case 9:
            if (side && first_key == 'w') return "亻";
            break;
        case 94:
            if (side && first_key == 'q') return "犭";
            break;
        case 113:
            if (side && first_key == 'p') return "礻";
            break;
        case 145:
            if (side && first_key == 'p') return "衤";
            break;
        case 140:
            return "艹";
        case 162:
            return "辶";
        case 163:
        case 170:
            return "阝";
        case 96:
            return "王";
        case 130:
            return "月";
        default:
            break;
    }
    return radicals.Character(rs.radical, rs.simplified_radical);
}

std::string ReadingFor(const std::string& c, const CharSource* npm, const UnihanEntry* unihan,
                       const TeamData& team, const std::set<std::string>& pool) {
    // Surname characters that names do not use are read as surnames (单 shàn).
    if (!pool.count(c)) {
        auto surname = team.surname_readings.find(c);
        if (surname != team.surname_readings.end()) return surname->second;
    }
    if (npm != nullptr && !npm->readings.empty()) return npm->readings.front();
    return unihan != nullptr ? unihan->mandarin : std::string();
}

std::string DetailedMeaning(const CharacterRow& row, const CharSource* npm,
                            const UnihanEntry* unihan, const WubiTable& wubi) {
    std::vector<std::string> lines;
    std::vector<std::string> readings = npm != nullptr ? npm->readings : std::vector<std::string>{};
    if (readings.empty() && !row.pinyin_marked.empty()) readings.push_back(row.pinyin_marked);
    if (!readings.empty()) lines.push_back("读音：" + Joined(readings, "、"));
    if (!row.radical.empty()) lines.push_back("部首：" + row.radical);
    if (npm != nullptr && !npm->structure.empty()) lines.push_back("结构：" + npm->structure);
    lines.push_back("简体笔画：" + std::to_string(row.simplified_strokes) + "画");
    lines.push_back("康熙笔画：" + std::to_string(row.kangxi_strokes) + "画");
    if (row.traditional != row.hanzi) lines.push_back("繁体：" + row.traditional);
    if (row.simplified != row.hanzi) lines.push_back("简体：" + row.simplified);
    if (!row.element.empty()) lines.push_back("五行：" + row.element);
    if (!row.wubi.empty()) lines.push_back("五笔：" + row.wubi);
    std::vector<std::string> words = wubi.CommonWords(row.hanzi, 6);
    if (!words.empty()) lines.push_back("常用词：" + Joined(words, "、"));
    if (unihan != nullptr && !unihan->definition.empty())
        lines.push_back("英文释义：" + HtmlEscaped(unihan->definition));
    return Joined(lines, "<BR>");
}

}  // namespace

std::vector<std::pair<int, std::string>> GbkHanzi() {
    std::vector<std::pair<int, std::string>> hanzi;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
            std::string utf8 = qinghe::GbkToUtf8(std::string_view(bytes, 2));
            if (IsHanzi(SingleCodePoint(utf8))) hanzi.emplace_back(lead * 256 + trail, utf8);
        }
    }
    return hanzi;
}

std::vector<CharacterRow> BuildCharacterRows(const CharacterSources& s) {
    const std::set<std::string> pool = NamePoolCharacters();
    std::vector<CharacterRow> rows;
    for (const auto& [code, c] : GbkHanzi()) {
        const UnihanEntry* unihan = s.unihan.Find(SingleCodePoint(c));
        if (unihan == nullptr || unihan->strokes_mainland == 0)
            continue;  // not a character Unihan knows
        const CharSource* npm = s.npm.Find(c);
        CharacterRow row;
        row.code = code;
        row.hanzi = c;
        row.simplified = s.to_simplified.Convert(c);
        row.traditional = s.to_traditional.Convert(c);
        if (SingleCodePoint(row.simplified) == 0) row.simplified = c;
        if (SingleCodePoint(row.traditional) == 0) row.traditional = c;

        auto kangxi = s.team.kangxi_overrides.find(c);
        if (kangxi != s.team.kangxi_overrides.end() && !kangxi->second.traditional.empty())
            row.traditional = kangxi->second.traditional;
        row.simplified_strokes = unihan->strokes_mainland;
        row.kangxi_strokes = kangxi != s.team.kangxi_overrides.end() && kangxi->second.strokes > 0
                                 ? kangxi->second.strokes
                                 : KangxiStrokes(row.traditional, s.unihan);
        if (row.kangxi_strokes == 0) row.kangxi_strokes = row.simplified_strokes;

        row.pinyin_marked = ReadingFor(c, npm, unihan, s.team, pool);
        row.pinyin_plain = Toneless(row.pinyin_marked);
        row.initial = InitialLetter(row.pinyin_plain);
        row.final_part = FinalPart(row.pinyin_plain);
        row.wubi = s.wubi.Code(c);
        row.radical = npm != nullptr && !npm->radical.empty()
                          ? npm->radical
                          : DerivedRadical(unihan->rs_unicode, row.wubi, s.radicals);

        auto element = s.team.element_overrides.find(c);
        row.element = element != s.team.element_overrides.end()
                          ? element->second
                          : ElementByRule(row.radical, unihan->rs_unicode.radical, row.initial);

        auto meaning = s.team.meanings.find(c);
        if (meaning != s.team.meanings.end())
            row.basic_meaning = meaning->second;
        else if (!unihan->definition.empty())
            row.basic_meaning = "（英文释义）" + HtmlEscaped(unihan->definition);
        row.detailed_meaning = DetailedMeaning(row, npm, unihan, s.wubi);
        rows.push_back(std::move(row));
    }
    if (rows.size() < 20000)
        throw BuildError("only " + std::to_string(rows.size()) + " characters were built");
    return rows;
}

}  // namespace namedata
