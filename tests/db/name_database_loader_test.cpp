#include "db/name_database_loader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "db/name_database_schema.h"
#include "support/fixture_database.h"
#include "support/recording_messenger.h"
#include "support/temp_dir.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

using test::FixtureDatabase;
using test::RecordingMessenger;
using test::TempDir;

const char* const kTables[] = {"QH_CNWord", "QH_三才配置", "QH_八一灵动数", "QH_EName", "QH_Poet",
                               "QH_全唐诗", "QH_育儿百科", "QH_算命风水",   "QH_百家姓"};

TEST(NameDatabaseLoaderTest, CopiesEveryTableWithItsColumnsAndIndexes) {
    FixtureDatabase content;
    content.AddRow("QH_百家姓", {std::int64_t{1}, std::string("李"), std::string("源于嬴姓")});
    test::LoadedFixture fixture(content);
    DbObject& db = fixture.db();
    EXPECT_TRUE(fixture.messenger().messages().empty());
    ASSERT_TRUE(db.IsOpen());

    RecordSet li = db.Query("select * from QH_CNWord where 汉字=?"_gbk, {"李"_gbk});
    EXPECT_EQ(li.GetText(kCnWordHanzi), "李"_gbk);
    EXPECT_EQ(li.GetInt(kCnWordKangxiStrokes), 7);
    EXPECT_EQ(li.GetText(kCnWordElement), "火"_gbk);
    EXPECT_EQ(db.Query("select * from QH_八一灵动数 where Id=81"_gbk).GetText(1), "大吉"_gbk);
    EXPECT_EQ(db.Query("select count(*) from QH_三才配置"_gbk).GetInt(0), 125);
    EXPECT_EQ(db.Query("select * from QH_百家姓 where 姓=\"李\""_gbk).GetText(2), "源于嬴姓"_gbk);

    for (const char* table : kTables)
        EXPECT_TRUE(db.Query("select * from " + Utf8ToGbk(table))) << table;
    // Nothing of the file stays attached.
    EXPECT_FALSE(db.Query("select * from new_db.QH_CNWord"));
    RecordSet indexes = db.Query("select count(*) from sqlite_master where type='index'");
    EXPECT_EQ(indexes.GetInt(0), 3);
}

TEST(NameDatabaseLoaderTest, MissingCharacterReadsAsEmptyValues) {
    test::LoadedFixture fixture;
    RecordSet row = fixture.db().Query("select * from QH_CNWord where 汉字=?"_gbk, {"龘"_gbk});
    ASSERT_TRUE(row);
    EXPECT_EQ(row.GetText(kCnWordElement), "");
    EXPECT_EQ(row.GetInt(kCnWordSimplifiedStrokes), 0);
}

TEST(NameDatabaseLoaderTest, MissingFileShowsTheAttachMessageAndLeavesEmptyLookUps) {
    TempDir dir;
    DbObject db;
    RecordingMessenger messenger;
    LoadNameDatabase(db, dir / "namedata.db", messenger);
    auto messages = messenger.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "将磁盘数据库附加到内存数据库失败！");
    EXPECT_EQ(messages[0].title, "");
    EXPECT_EQ(messages[0].icon, MessageIcon::kError);
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(db.Query("select * from QH_CNWord"_gbk).GetText(2), "");
    EXPECT_FALSE(std::filesystem::exists(dir / "namedata.db"));
}

TEST(NameDatabaseLoaderTest, FileThatIsNoDatabaseIsRefused) {
    TempDir dir;
    std::ofstream(dir / "namedata.db") << "this is not a database, just some bytes\n";
    DbObject db;
    RecordingMessenger messenger;
    LoadNameDatabase(db, dir / "namedata.db", messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_FALSE(db.IsOpen());
}

TEST(NameDatabaseLoaderTest, TableWithWrongColumnCountRollsBackEverything) {
    TempDir dir;
    FixtureDatabase().Write(dir / "namedata.db", {}, "QH_EName");
    DbObject db;
    RecordingMessenger messenger;
    LoadNameDatabase(db, dir / "namedata.db", messenger);
    auto messages = messenger.messages();
    ASSERT_EQ(messages.size(), 1u);
    // The library's own message, naming the counts.
    EXPECT_NE(messages[0].text.find("has 10 columns but 9 values were supplied"), std::string::npos)
        << messages[0].text;
    EXPECT_EQ(messages[0].icon, MessageIcon::kError);
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(db.Query("select * from QH_CNWord"_gbk));
}

TEST(NameDatabaseLoaderTest, MissingTableFailsTheCopyWithTheLibraryMessage) {
    TempDir dir;
    FixtureDatabase().Write(dir / "namedata.db", "QH_百家姓");
    DbObject db;
    RecordingMessenger messenger;
    LoadNameDatabase(db, dir / "namedata.db", messenger);
    auto messages = messenger.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("no such table"), std::string::npos) << messages[0].text;
    EXPECT_FALSE(db.IsOpen());
}

TEST(NameDatabaseLoaderTest, TableThatCannotBeCreatedShowsTheLibraryMessage) {
    // A target that already holds QH_CNWord makes the first create fail.
    TempDir dir;
    FixtureDatabase().Write(dir / "namedata.db");
    {
        DbObject maker(TextBorder::kUtf8);
        ASSERT_TRUE(maker.Open(dir / "target.db", true));
        ASSERT_TRUE(maker.Execute("create table QH_CNWord (x Integer)"));
    }
    DbObject db;
    RecordingMessenger messenger;
    LoadNameDatabase(db, dir / "namedata.db", messenger, dir / "target.db");
    auto messages = messenger.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "table QH_CNWord already exists");
    EXPECT_FALSE(db.IsOpen());
}

TEST(NameDatabaseLoaderTest, MemoryDatabaseThatCannotOpenShowsTheOpenMessage) {
    TempDir dir;
    DbObject db;
    RecordingMessenger messenger;
    LoadNameDatabase(db, dir / "namedata.db", messenger, dir / "no" / "such" / "folder.db");
    auto messages = messenger.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "打开内存数据库失败！");
    EXPECT_EQ(messages[0].icon, MessageIcon::kError);
}

TEST(NameDatabaseLoaderTest, LookUpsDuringTheLoadWaitForIt) {
    TempDir dir;
    FixtureDatabase content;
    // Enough rows that the copy takes a moment.
    for (int i = 0; i < 20000; ++i)
        content.AddRow("QH_全唐诗", {std::int64_t{i}, std::string("诗"), std::string("李白")});
    content.Write(dir / "namedata.db");
    DbObject db;
    RecordingMessenger messenger;
    int poems = -1;
    {
        std::jthread loader = StartNameDatabaseLoad(db, dir / "namedata.db", messenger);
        poems = db.Query("select count(*) from QH_全唐诗"_gbk).GetInt(0);
    }
    EXPECT_EQ(poems, 20000);
    EXPECT_TRUE(messenger.messages().empty());
}

TEST(NameDatabaseLoaderTest, RowsKeepTheFileOrder) {
    FixtureDatabase content;
    content.AddRow("QH_育儿百科",
                   {std::int64_t{9}, std::string("1"), std::string("喂养"), std::string("第二篇")});
    content.AddRow("QH_育儿百科",
                   {std::int64_t{3}, std::string("1"), std::string("喂养"), std::string("第一篇")});
    test::LoadedFixture fixture(content);
    RecordSet rows =
        fixture.db().Query("select * from QH_育儿百科 where 分类标题=?"_gbk, {"喂养"_gbk});
    EXPECT_EQ(rows.GetText(3), "第二篇"_gbk);
    ASSERT_TRUE(rows.MoveNext());
    EXPECT_EQ(rows.GetText(3), "第一篇"_gbk);
}

}  // namespace
}  // namespace qinghe
