// The team's own files under data/: meanings, overrides, surnames and the
// numerology texts. Every file is checked as it is read.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace namedata {

struct KangxiOverride {
    std::string traditional;  // empty: keep OpenCC's form
    int strokes = 0;          // 0: count the form by the rule
};

struct TeamData {
    std::map<std::string, std::string> meanings;  // 汉字 → 基本解释
    std::map<std::string, KangxiOverride> kangxi_overrides;
    std::map<std::string, std::string> element_overrides;  // 汉字 → 五行属性
    std::map<std::string, std::string> surname_readings;   // one-character surname → reading
    std::vector<std::vector<std::string>> eighty_one;      // QH_八一灵动数 columns 0..9
    std::vector<std::vector<std::string>> three_talents;   // QH_三才配置 columns 1..20
};

TeamData LoadTeamData(const std::filesystem::path& data_dir);

// True for the five luck words of the numerology tables.
bool IsLuckWord(const std::string& word);

}  // namespace namedata
