#include "team_data.h"

#include <algorithm>

#include "source_files.h"
#include "utf8.h"

namespace namedata {
namespace {

const char* const kElements[] = {"木", "火", "土", "金", "水"};

bool IsElement(const std::string& text) {
    return std::find(std::begin(kElements), std::end(kElements), text) != std::end(kElements);
}

void RequireOneCharacter(const std::string& text, const std::filesystem::path& file) {
    if (SingleCodePoint(text) == 0)
        throw BuildError(file.string() + ": not one character: " + text);
}

// Every *.tsv of a folder, in name order so the build is reproducible.
std::vector<std::filesystem::path> TsvFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    if (!std::filesystem::is_directory(folder))
        throw BuildError("missing input: " + folder.string());
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".tsv") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void LoadMeanings(const std::filesystem::path& folder, TeamData& data) {
    for (const auto& file : TsvFiles(folder)) {
        for (auto& row : ReadTsv(file, {"汉字", "基本解释"})) {
            RequireOneCharacter(row[0], file);
            if (row[1].empty()) throw BuildError(file.string() + ": empty meaning of " + row[0]);
            if (!data.meanings.emplace(row[0], row[1]).second)
                throw BuildError(file.string() + ": second meaning of " + row[0]);
        }
    }
}

void LoadOverrides(const std::filesystem::path& chars, TeamData& data) {
    auto kangxi = chars / "kangxi_overrides.tsv";
    for (auto& row : ReadTsv(kangxi, {"汉字", "繁体", "繁体笔画数", "理由"})) {
        RequireOneCharacter(row[0], kangxi);
        if (!row[1].empty()) RequireOneCharacter(row[1], kangxi);
        if (row[3].empty()) throw BuildError(kangxi.string() + ": no reason for " + row[0]);
        int strokes = row[2].empty() ? 0 : std::stoi(row[2]);
        if (row[1].empty() && strokes <= 0)
            throw BuildError(kangxi.string() + ": nothing overridden for " + row[0]);
        data.kangxi_overrides[row[0]] = {row[1], strokes};
    }
    auto elements = chars / "wuxing_overrides.tsv";
    for (auto& row : ReadTsv(elements, {"汉字", "五行属性", "理由"})) {
        RequireOneCharacter(row[0], elements);
        if (!IsElement(row[1])) throw BuildError(elements.string() + ": bad element for " + row[0]);
        data.element_overrides[row[0]] = row[1];
    }
}

void LoadSurnames(const std::filesystem::path& file, TeamData& data) {
    for (auto& row : ReadTsv(file, {"排名", "姓", "拼音"}))
        if (SingleCodePoint(row[1]) != 0) data.surname_readings.emplace(row[1], row[2]);
}

void LoadEightyOne(const std::filesystem::path& file, TeamData& data) {
    auto rows = ReadTsv(file, {"Id", "吉凶", "解释一", "解释二", "解释三", "基业", "家庭", "健康",
                               "含义", "数理暗示"});
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i][0] != std::to_string(i + 1))
            throw BuildError(file.string() + ": Ids must run 1..81");
        if (!IsLuckWord(rows[i][1]))
            throw BuildError(file.string() + ": bad luck word in row " + rows[i][0]);
    }
    if (rows.size() != 81) throw BuildError(file.string() + ": expected 81 numbers");
    data.eighty_one = std::move(rows);
}

void LoadThreeTalents(const std::filesystem::path& folder, TeamData& data) {
    const std::vector<std::string> header = {"三才",
                                             "吉凶",
                                             "解释一",
                                             "解释二",
                                             "总论",
                                             "性格",
                                             "意志",
                                             "事业",
                                             "家庭",
                                             "婚姻",
                                             "子女",
                                             "社交",
                                             "精神",
                                             "财运",
                                             "健康",
                                             "老运",
                                             "对基础运的影响",
                                             "对成功运的影响",
                                             "对人际关系的影响",
                                             "对性格的影响"};
    // Keys in the order 木 火 土 金 水 for heaven, person and earth.
    for (const char* heaven : kElements) {
        auto file = folder / (std::string(heaven) + ".tsv");
        auto rows = ReadTsv(file, header);
        size_t i = 0;
        for (const char* person : kElements) {
            for (const char* earth : kElements) {
                std::string key = std::string(heaven) + person + earth;
                if (i >= rows.size() || rows[i][0] != key)
                    throw BuildError(file.string() + ": expected the key " + key + " in row " +
                                     std::to_string(i + 1));
                if (!IsLuckWord(rows[i][1]))
                    throw BuildError(file.string() + ": bad luck word for " + key);
                data.three_talents.push_back(rows[i++]);
            }
        }
        if (i != rows.size()) throw BuildError(file.string() + ": extra rows");
    }
}

}  // namespace

bool IsLuckWord(const std::string& word) {
    return word == "大吉" || word == "吉" || word == "中" || word == "凶" || word == "大凶";
}

TeamData LoadTeamData(const std::filesystem::path& data_dir) {
    TeamData data;
    LoadMeanings(data_dir / "chars" / "meanings", data);
    LoadOverrides(data_dir / "chars", data);
    LoadSurnames(data_dir / "surnames" / "common_surnames.tsv", data);
    LoadEightyOne(data_dir / "numerology" / "eighty_one.tsv", data);
    LoadThreeTalents(data_dir / "numerology" / "three_talents", data);
    return data;
}

}  // namespace namedata
