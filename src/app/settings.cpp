#include "app/settings.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "app/profile_file.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

constexpr double kNumberTolerance = 0.0000001;

struct Key {
    const char* utf8;
    std::string Settings::*value;
};

constexpr Key kKeys[] = {
    {"姓氏", &Settings::surname},
    {"性别", &Settings::sex},
    {"名字个数", &Settings::name_length},
    {"组合的字", &Settings::combination},
    {"英文名字", &Settings::english_name},
    {"评分名字", &Settings::scoring_name},
    {"名字记录", &Settings::naming_records},
};

const std::string& SectionName() {
    static const std::string name = "设置"_gbk;
    return name;
}

}  // namespace

std::filesystem::path DefaultSettingsPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home != nullptr ? home : ".") / ".config";
    }
    return base / "qinghe" / "config.dat";
}

Settings ReadSettings(const std::filesystem::path& path) {
    ProfileFile profile = ProfileFile::Load(path);
    Settings settings;
    for (const Key& key : kKeys)
        settings.*key.value = profile.Get(SectionName(), Utf8ToGbk(key.utf8));
    return settings;
}

bool WriteSettings(const std::filesystem::path& path, const Settings& settings) {
    ProfileFile profile = ProfileFile::Load(path);
    for (const Key& key : kKeys)
        profile.Set(SectionName(), Utf8ToGbk(key.utf8), settings.*key.value);
    return profile.Save(path);
}

double SettingNumber(const std::string& value) {
    // from_chars, unlike strtod, does not depend on the locale the window sets.
    size_t start = value.find_first_not_of(" \t");
    if (start == std::string::npos) return 0.0;
    if (value[start] == '+') ++start;
    double number = 0.0;
    auto [end, ec] = std::from_chars(value.data() + start, value.data() + value.size(), number);
    (void)end;
    return ec == std::errc() && std::isfinite(number) ? number : 0.0;
}

int SexIndexFromSetting(const std::string& value) {
    return std::fabs(SettingNumber(value)) < kNumberTolerance ? 0 : 1;
}

int NameLengthIndexFromSetting(const std::string& value) {
    return std::fabs(SettingNumber(value) - 1.0) < kNumberTolerance ? 1 : 0;
}

}  // namespace qinghe
