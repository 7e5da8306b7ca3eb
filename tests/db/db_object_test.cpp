#include "db/db_object.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "support/temp_dir.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

class DbObjectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db_.Open());
        ASSERT_TRUE(
            db_.Execute("create table t (Id Integer(10), 名 VarChar(2), n Integer(10))"_gbk));
        ASSERT_TRUE(db_.Execute("insert into t values (1, '李', 12), (2, '王', 4)"_gbk));
    }
    DbObject db_;
};

TEST_F(DbObjectTest, ReadsRowsInOrderThenEmptyValuesAfterTheLast) {
    RecordSet rows = db_.Query("select * from t order by Id");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows.GetText(1), "李"_gbk);
    EXPECT_EQ(rows.GetInt(2), 12);
    ASSERT_TRUE(rows.MoveNext());
    EXPECT_EQ(rows.GetText(1), "王"_gbk);
    EXPECT_FALSE(rows.MoveNext());
    EXPECT_EQ(rows.GetText(1), "");
    EXPECT_EQ(rows.GetInt(2), 0);
    EXPECT_TRUE(rows.Release());
    EXPECT_FALSE(rows.Release());
}

TEST_F(DbObjectTest, ReadsOutsideTheRowGiveEmptyValues) {
    RecordSet none;
    EXPECT_FALSE(none);
    EXPECT_EQ(none.GetText(0), "");
    EXPECT_EQ(none.GetInt(0), 0);
    EXPECT_FALSE(none.MoveNext());

    RecordSet rows = db_.Query("select * from t");
    EXPECT_EQ(rows.GetText(3), "");
    EXPECT_EQ(rows.GetText(-1), "");
    EXPECT_EQ(rows.GetInt(99), 0);

    RecordSet empty = db_.Query("select * from t where Id=?", {std::int64_t{7}});
    ASSERT_TRUE(empty);  // an empty result is still a record set, standing on no row
    EXPECT_FALSE(empty.HasRow());
    EXPECT_EQ(empty.GetText(1), "");
}

TEST_F(DbObjectTest, IntegerColumnReadAsTextIsItsDecimalText) {
    RecordSet rows = db_.Query("select * from t where Id=1");
    EXPECT_EQ(rows.GetText(2), "12");
    EXPECT_EQ(rows.GetText(0), "1");
}

TEST_F(DbObjectTest, InvalidStatementGivesNoRecordSet) {
    EXPECT_FALSE(db_.Query("select * from t where 名=\"李\"明\""_gbk));
    EXPECT_FALSE(db_.Query("selec nonsense"));
    EXPECT_FALSE(db_.Query("select * from missing_table"));
    EXPECT_FALSE(db_.Query(""));
    std::string error;
    EXPECT_FALSE(db_.Execute("selec nonsense", &error));
    EXPECT_NE(error, "");
}

TEST_F(DbObjectTest, ValuesAreBoundNotSpliced) {
    // A value with quotes and SQL in it matches nothing and harms nothing.
    RecordSet rows = db_.Query("select * from t where 名=?"_gbk, {"李\" or \"1\"=\"1"_gbk});
    ASSERT_TRUE(rows);
    EXPECT_FALSE(rows.HasRow());
    RecordSet li = db_.Query("select * from t where 名=?"_gbk, {"李"_gbk});
    EXPECT_EQ(li.GetInt(0), 1);
}

TEST_F(DbObjectTest, DoubleQuotedStringLiteralsAreAccepted) {
    RecordSet rows = db_.Query("select * from t where 名=\"王\""_gbk);
    EXPECT_EQ(rows.GetInt(0), 2);
}

TEST_F(DbObjectTest, TextGbkCannotHoldComesBackWithReplacementCharacters) {
    // 明, the Hangul syllable U+D55C and an emoji, stored as UTF-8.
    ASSERT_TRUE(db_.Execute("create table u (s VarChar(10))"));
    ASSERT_TRUE(db_.Execute("insert into u values (char(26126, 54620, 128512)), ('')"));
    RecordSet rows = db_.Query("select * from u");
    EXPECT_EQ(rows.GetText(0), "明??"_gbk);
    ASSERT_TRUE(rows.MoveNext());
    EXPECT_EQ(rows.GetText(0), "");
}

TEST_F(DbObjectTest, CloseOfANeverOpenedObjectReturnsFalse) {
    DbObject never;
    EXPECT_FALSE(never.Close());
    EXPECT_FALSE(never.IsOpen());
    EXPECT_FALSE(never.Execute("select 1"));
    EXPECT_FALSE(never.Query("select 1"));
    EXPECT_FALSE(never.BeginTransaction());
}

TEST_F(DbObjectTest, AfterCloseEveryOperationFailsButHandedOutRowsStayReadable) {
    RecordSet rows = db_.Query("select * from t order by Id");
    EXPECT_TRUE(db_.Close());
    EXPECT_FALSE(db_.Close());
    EXPECT_FALSE(db_.Query("select * from t"));
    EXPECT_FALSE(db_.Execute("select 1"));
    EXPECT_EQ(rows.GetText(1), "李"_gbk);
    EXPECT_TRUE(rows.MoveNext());
    EXPECT_TRUE(rows.Release());
}

TEST(DbObjectCreateTableTest, WritesTypeWordsAndConstraints) {
    EXPECT_EQ(ColumnDefinition({"汉字", kFieldVarChar, 2, 0, {}}), "汉字 VarChar(2)");
    EXPECT_EQ(ColumnDefinition({"Id", kFieldInteger, 10, 0, {}}), "Id Integer(10)");
    EXPECT_EQ(ColumnDefinition({"Id", kFieldInteger, 0, 7, {}}),
              "Id Integer Primary Key AutoIncrement Not Null");
    EXPECT_EQ(ColumnDefinition({"n", kFieldDouble, 0, 0, "0"}), "n Double Default 0");
    EXPECT_EQ(ColumnDefinition({"x", 9, 0, 0, {}}), "x ");  // unknown code: no word
    EXPECT_EQ(TypeWord(kFieldDateTime), "DateTime");
    EXPECT_EQ(TypeWord(kFieldBlob), "Blob");
    EXPECT_EQ(TypeWord(kFieldText), "Text");

    DbObject db;
    ASSERT_TRUE(db.Open());
    const FieldDef fields[] = {{"Id", kFieldInteger, 10, 0, {}},
                               {"名"_gbk, kFieldVarChar, 2, 0, {}}};
    std::string error;
    EXPECT_TRUE(db.CreateTable("QH_测试"_gbk, fields, &error)) << error;
    EXPECT_FALSE(db.CreateTable("QH_测试"_gbk, fields, &error));
    EXPECT_NE(error.find("already exists"), std::string::npos);
}

TEST(DbObjectTransactionTest, RollbackUndoesAndCommitKeeps) {
    DbObject db;
    ASSERT_TRUE(db.Open());
    ASSERT_TRUE(db.Execute("create table t (n Integer)"));
    ASSERT_TRUE(db.BeginTransaction());
    ASSERT_TRUE(db.Execute("insert into t values (1)"));
    ASSERT_TRUE(db.Rollback());
    EXPECT_EQ(db.Query("select count(*) from t").GetInt(0), 0);
    ASSERT_TRUE(db.BeginTransaction());
    ASSERT_TRUE(db.Execute("insert into t values (1)"));
    ASSERT_TRUE(db.Commit());
    EXPECT_EQ(db.Query("select count(*) from t").GetInt(0), 1);
    EXPECT_FALSE(db.Commit());  // no transaction open
}

TEST(DbObjectAttachTest, AttachesAnyPathAndRefusesAMissingFile) {
    test::TempDir dir;
    const auto file = dir / "it's a \"file\".db";
    {
        DbObject maker(TextBorder::kUtf8);
        ASSERT_TRUE(maker.Open(file, true));
        ASSERT_TRUE(maker.Execute("create table x (n Integer); insert into x values (5)"));
    }
    DbObject db;
    ASSERT_TRUE(db.Open());
    std::string error;
    ASSERT_TRUE(db.Attach(file, "other", &error)) << error;
    EXPECT_EQ(db.Query("select n from other.x").GetInt(0), 5);
    EXPECT_TRUE(db.Detach("other"));
    EXPECT_FALSE(db.Query("select n from other.x"));

    EXPECT_FALSE(db.Attach(dir / "missing.db", "gone", &error));
    EXPECT_NE(error, "");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.db"));  // never created
    EXPECT_FALSE(db.Attach(file, "bad alias; drop table x"));
}

TEST(DbObjectThreadTest, SeveralThreadsQueryOneConnection) {
    DbObject db;
    ASSERT_TRUE(db.Open());
    ASSERT_TRUE(db.Execute("create table t (n Integer)"));
    ASSERT_TRUE(db.Execute("insert into t values (1), (2), (3)"));
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 500; ++i) {
                RecordSet rows = db.Query("select sum(n) from t where n>=?", {std::int64_t{1}});
                if (rows.GetInt(0) != 6) ++wrong;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, 0);
}

TEST(DbObjectLoadGateTest, OtherThreadsWaitUntilTheLoadEnds) {
    DbObject db;
    db.BeginLoading();
    std::atomic<bool> loaded{false};
    std::atomic<int> seen{-1};
    std::thread loader([&] {
        db.ClaimLoading();
        ASSERT_TRUE(db.Open());
        ASSERT_TRUE(db.Execute("create table t (n Integer)"));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ASSERT_TRUE(db.Execute("insert into t values (42)"));
        loaded = true;
        db.EndLoading();
    });
    std::thread reader([&] { seen = db.Query("select n from t").GetInt(0); });
    reader.join();
    loader.join();
    EXPECT_TRUE(loaded);
    EXPECT_EQ(seen, 42);
}

}  // namespace
}  // namespace qinghe
