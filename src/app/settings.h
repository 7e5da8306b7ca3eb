// The settings kept between runs: section "设置" of the profile file
// config.dat, read once at start-up and written once at exit.
#pragma once

#include <filesystem>
#include <string>

namespace qinghe {

// All values are GBK text exactly as the controls hold them.
struct Settings {
    std::string surname;         // 姓氏
    std::string sex;             // 性别: selected index in decimal
    std::string name_length;     // 名字个数: selected index in decimal
    std::string combination;     // 组合的字
    std::string english_name;    // 英文名字
    std::string scoring_name;    // 评分名字
    std::string naming_records;  // 名字记录
};

// $XDG_CONFIG_HOME/qinghe/config.dat, else ~/.config/qinghe/config.dat.
std::filesystem::path DefaultSettingsPath();

// A missing or unreadable file gives empty values (the first-run values).
Settings ReadSettings(const std::filesystem::path& path);
// Writes section "设置", keeping whatever else the file holds. False when the
// file could not be written; the caller may ignore it.
bool WriteSettings(const std::filesystem::path& path, const Settings& settings);

// The value read as a number the way the settings reader reads numbers:
// its leading decimal number, 0 when it has none.
double SettingNumber(const std::string& value);
// 性别 restores "男" (0) when its number is 0, else "女" (1).
int SexIndexFromSetting(const std::string& value);
// 名字个数 restores "二字" (1) when its number is 1, else "一字" (0).
int NameLengthIndexFromSetting(const std::string& value);

}  // namespace qinghe
