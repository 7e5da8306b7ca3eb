#include "app/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/profile_file.h"
#include "support/temp_dir.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

TEST(SettingsTest, FirstRunReadsEmptyValues) {
    test::TempDir dir;
    Settings settings = ReadSettings(dir / "config.dat");
    EXPECT_EQ(settings.surname, "");
    EXPECT_EQ(settings.naming_records, "");
    EXPECT_EQ(SexIndexFromSetting(settings.sex), 0);
    EXPECT_EQ(NameLengthIndexFromSetting(settings.name_length), 0);
}

TEST(SettingsTest, AllKeysRoundTripInSectionSettings) {
    test::TempDir dir;
    Settings written{"欧阳"_gbk,
                     "1",
                     "1",
                     "圣诚杰泽"_gbk,
                     "明"_gbk,
                     "志强"_gbk,
                     "李 明;8;8;火;1,2,3,4,5;木木木;90|"_gbk};
    ASSERT_TRUE(WriteSettings(dir / "config.dat", written));
    ProfileFile raw = ProfileFile::Load(dir / "config.dat");
    EXPECT_EQ(raw.Get("设置"_gbk, "姓氏"_gbk), "欧阳"_gbk);
    EXPECT_EQ(raw.Get("设置"_gbk, "评分名字"_gbk), "志强"_gbk);
    Settings read = ReadSettings(dir / "config.dat");
    EXPECT_EQ(read.surname, written.surname);
    EXPECT_EQ(read.sex, "1");
    EXPECT_EQ(read.name_length, "1");
    EXPECT_EQ(read.combination, written.combination);
    EXPECT_EQ(read.english_name, written.english_name);
    EXPECT_EQ(read.scoring_name, written.scoring_name);
    EXPECT_EQ(read.naming_records, written.naming_records);
}

TEST(SettingsTest, SavedIndexesRestoreByTheirNumber) {
    struct Case {
        const char* value;
        int sex;
        int name_length;
    };
    const Case cases[] = {
        {"", 0, 0},           {"0", 0, 0},    {"1", 1, 1},   {"2", 1, 0},
        {"-1", 1, 0},         {"abc", 0, 0},  {"1.0", 1, 1}, {" 1", 1, 1},
        {"0.00000001", 0, 0}, {"1abc", 1, 1}, {"+1", 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SexIndexFromSetting(c.value), c.sex) << c.value;
        EXPECT_EQ(NameLengthIndexFromSetting(c.value), c.name_length) << c.value;
    }
}

TEST(SettingsTest, DefaultPathFollowsXdgConfigHome) {
    const char* old_config = std::getenv("XDG_CONFIG_HOME");
    const char* old_home = std::getenv("HOME");
    std::string saved = old_config ? old_config : "";
    std::string saved_home = old_home ? old_home : "";
    setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
    EXPECT_EQ(DefaultSettingsPath(), std::filesystem::path("/tmp/xdg-test/qinghe/config.dat"));
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(DefaultSettingsPath(),
              std::filesystem::path("/home/someone/.config/qinghe/config.dat"));
    if (old_config) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    if (old_home) setenv("HOME", saved_home.c_str(), 1);
}

TEST(SettingsTest, UnwritableFileReportsFailure) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "config.dat" / "inside");
    EXPECT_FALSE(WriteSettings(dir / "config.dat", Settings{}));
}

}  // namespace
}  // namespace qinghe
