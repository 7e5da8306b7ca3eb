#include "app/profile_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "support/temp_dir.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ProfileFileTest, ChineseKeysAndValuesRoundTripAsGbkBytesOnDisk) {
    test::TempDir dir;
    const auto file = dir / "sub" / "config.dat";
    ProfileFile profile;
    profile.Set("设置"_gbk, "姓氏"_gbk, "欧阳"_gbk);
    profile.Set("设置"_gbk, "名字记录"_gbk, "李 明;8;8;火;8,15,9,15,2;金土水;90|"_gbk);
    ASSERT_TRUE(profile.Save(file));

    const std::string bytes = ReadBytes(file);
    EXPECT_NE(bytes.find("[" + "设置"_gbk + "]\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("姓氏"_gbk + "=" + "欧阳"_gbk + "\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("欧阳"), std::string::npos);  // no UTF-8 on disk

    ProfileFile again = ProfileFile::Load(file);
    EXPECT_EQ(again.Get("设置"_gbk, "姓氏"_gbk), "欧阳"_gbk);
    EXPECT_EQ(again.Get("设置"_gbk, "名字记录"_gbk), "李 明;8;8;火;8,15,9,15,2;金土水;90|"_gbk);
    EXPECT_EQ(again.Get("设置"_gbk, "缺少"_gbk), "");
    EXPECT_EQ(again.Get("别处"_gbk, "姓氏"_gbk), "");
}

TEST(ProfileFileTest, LongValuesComeBackWhole) {
    // A long record list must not be cut (a 10 239-byte cut would lose records).
    test::TempDir dir;
    std::string records;
    for (int i = 0; i < 2000; ++i)
        records += "李 明;15;15;火;8,16,9,15,2;金土水;90|"_gbk;
    ASSERT_GT(records.size(), 60000u);
    ProfileFile profile;
    profile.Set("设置"_gbk, "名字记录"_gbk, records);
    ASSERT_TRUE(profile.Save(dir / "config.dat"));
    EXPECT_EQ(ProfileFile::Load(dir / "config.dat").Get("设置"_gbk, "名字记录"_gbk), records);
}

TEST(ProfileFileTest, ValuesWithBlanksQuotesAndLineBreaksSurvive) {
    test::TempDir dir;
    ProfileFile profile;
    profile.Set("s", "lead", "  two spaces first");
    profile.Set("s", "quoted", "\"already quoted\"");
    profile.Set("s", "multi", "line one\r\nline two");
    profile.Set("s", "empty", "");
    ASSERT_TRUE(profile.Save(dir / "p.ini"));
    ProfileFile again = ProfileFile::Load(dir / "p.ini");
    EXPECT_EQ(again.Get("s", "lead"), "  two spaces first");
    EXPECT_EQ(again.Get("s", "quoted"), "\"already quoted\"");
    EXPECT_EQ(again.Get("s", "multi"), "line one  line two");
    EXPECT_EQ(again.Get("s", "empty"), "");
}

TEST(ProfileFileTest, ReadsHandWrittenFilesAndKeepsOtherContent) {
    test::TempDir dir;
    WriteBytes(dir / "p.ini", "; a comment\n[Other]\nx = 1\n[" + "设置"_gbk + "]\n" + "性别"_gbk +
                                  " = 1\r\n" + "姓氏"_gbk + "=" + "王"_gbk + "\n");
    ProfileFile profile = ProfileFile::Load(dir / "p.ini");
    EXPECT_EQ(profile.Get("other", "X"), "1");  // ASCII names ignore case
    EXPECT_EQ(profile.Get("设置"_gbk, "性别"_gbk), "1");
    EXPECT_EQ(profile.Get("设置"_gbk, "姓氏"_gbk), "王"_gbk);
    profile.Set("设置"_gbk, "姓氏"_gbk, "李"_gbk);
    ASSERT_TRUE(profile.Save(dir / "p.ini"));
    const std::string bytes = ReadBytes(dir / "p.ini");
    EXPECT_NE(bytes.find("; a comment"), std::string::npos);
    EXPECT_NE(bytes.find("x = 1"), std::string::npos);
    EXPECT_EQ(ProfileFile::Load(dir / "p.ini").Get("设置"_gbk, "姓氏"_gbk), "李"_gbk);
}

TEST(ProfileFileTest, SectionNameWithABracketTrailByteIsReadWhole) {
    // 乚 is 0x81 0x5D in GBK: its trail byte is "]".
    test::TempDir dir;
    const std::string section = "乚"_gbk;
    ASSERT_EQ(section[1], ']');
    WriteBytes(dir / "p.ini", "[" + section + "]\nk=v\n");
    EXPECT_EQ(ProfileFile::Load(dir / "p.ini").Get(section, "k"), "v");
}

TEST(ProfileFileTest, BadFilesReadWhatCanBeReadAndNeverCrash) {
    test::TempDir dir;
    EXPECT_EQ(ProfileFile::Load(dir / "missing.dat").Get("a", "b"), "");
    EXPECT_EQ(ProfileFile::Load(dir.path()).Get("a", "b"), "");  // a folder, not a file

    WriteBytes(dir / "nosection.dat", "k=v\nno equals here\n");
    EXPECT_EQ(ProfileFile::Load(dir / "nosection.dat").Get("", "k"), "");

    std::string huge = "[s]\nbig=" + std::string(1 << 20, 'x') + "\nafter=ok\n";
    WriteBytes(dir / "huge.dat", huge);
    ProfileFile big = ProfileFile::Load(dir / "huge.dat");
    EXPECT_EQ(big.Get("s", "big").size(), 1u << 20);
    EXPECT_EQ(big.Get("s", "after"), "ok");

    std::mt19937 random(7);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    WriteBytes(dir / "garbage.dat", garbage + "\n[s]\nk=v\n");
    EXPECT_EQ(ProfileFile::Load(dir / "garbage.dat").Get("s", "k"), "v");

    WriteBytes(dir / "utf8.dat", "[设置]\n姓氏=李\n");  // not GBK: found only by UTF-8 bytes
    EXPECT_EQ(ProfileFile::Load(dir / "utf8.dat").Get("设置"_gbk, "姓氏"_gbk), "");
    EXPECT_EQ(ProfileFile::Load(dir / "utf8.dat").Get("设置", "姓氏"), "李");
}

TEST(ProfileFileTest, FailedSaveReportsAndLeavesTheOldFile) {
    test::TempDir dir;
    ProfileFile profile;
    profile.Set("s", "k", "v");
    std::filesystem::create_directories(dir / "blocked");
    // The target is a non-empty folder: the rename cannot replace it.
    WriteBytes(dir / "blocked" / "keep", "x");
    EXPECT_FALSE(profile.Save(dir / "blocked"));
    EXPECT_TRUE(std::filesystem::exists(dir / "blocked" / "keep"));
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

}  // namespace
}  // namespace qinghe
