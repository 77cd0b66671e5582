#include "data/SqliteDatabase.h"

#include "data/SqliteStatement.h"
#include "tests/data/DataFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

namespace quillmoor {
namespace {

using test::FixturePath;

constexpr char kKey[] = "Qm#Atlas7-Gb2026";
constexpr char kWrongKeyMessage[] = "file is encrypted or is not a database";

// The first cell of the first data row, or "" when the query fails or has no row.
std::string FirstValue(const SqliteDatabase& database, const std::string& sql) {
  SqliteStatement statement;
  statement.BindDatabase(database);
  TextGrid grid;
  return statement.QueryToGrid(sql, grid) ? grid.Text(2, 1) : std::string();
}

class SqliteDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = FixturePath(".db");
    test::MakeKeyedDatabase(path_, kKey,
                            "create table structure_cate(sublibid INTEGER, sublibname TEXT);"
                            "insert into structure_cate values (1, '混凝土结构');"
                            "create table Filepath(id INTEGER, path TEXT);");
  }
  std::string path_;
};

TEST_F(SqliteDatabaseTest, KeyedFileOpensOnlyWithItsKey) {
  EXPECT_NE(test::ReadFile(path_).rfind("SQLite format 3", 0), 0u) << "file is not encrypted";

  SqliteDatabase right;
  ASSERT_TRUE(right.OpenWithKey(path_, kKey));
  EXPECT_EQ(right.ErrorText(), "");
  EXPECT_EQ(FirstValue(right, "select sublibname from structure_cate"), "混凝土结构");

  // SQLCipher accepts any key; the first read, the durability pragma, fails.
  SqliteDatabase wrong;
  EXPECT_FALSE(wrong.OpenWithKey(path_, "wrong key"));
  EXPECT_EQ(wrong.ErrorText(), kWrongKeyMessage);
  EXPECT_EQ(FirstValue(wrong, "select sublibname from structure_cate"), "");
  EXPECT_EQ(wrong.ErrorText(), kWrongKeyMessage);
}

TEST_F(SqliteDatabaseTest, EmptyKeyLeavesTheConnectionOpenButFails) {
  SqliteDatabase database;
  EXPECT_FALSE(database.OpenWithKey(path_, ""));
  EXPECT_NE(database.GetHandle(), nullptr);
}

TEST_F(SqliteDatabaseTest, ConnectionWritesDurably) {
  SqliteDatabase database;
  ASSERT_TRUE(database.OpenWithKey(path_, kKey));
  EXPECT_EQ(FirstValue(database, "PRAGMA synchronous"), "2");  // FULL
}

TEST_F(SqliteDatabaseTest, RecordExistsOnlyForAMatchingRow) {
  SqliteDatabase database;
  ASSERT_TRUE(database.OpenWithKey(path_, kKey));
  ASSERT_TRUE(database.Exec("INSERT INTO Filepath(id,path) VALUES ('7', '/data/7.pdf')"));
  EXPECT_TRUE(database.RecordExists("Filepath", "id=7"));
  EXPECT_FALSE(database.RecordExists("Filepath", "id=8"));
  EXPECT_FALSE(database.RecordExists("NoSuchTable", "id=7"));
}

TEST_F(SqliteDatabaseTest, ValuesAreBoundNotSpliced) {
  SqliteDatabase database;
  ASSERT_TRUE(database.OpenWithKey(path_, kKey));
  const std::string path = "/图集/it's \"quoted\"'); drop table Filepath; --.pdf";
  ASSERT_TRUE(database.ExecWithValues("INSERT INTO Filepath(id,path) VALUES (?, ?)",
                                      {{"3", path}, {"4", "/b.pdf"}}))
      << database.ErrorText();
  EXPECT_EQ(FirstValue(database, "select path from Filepath where id=3"), path);
  EXPECT_TRUE(database.RecordExists("Filepath", "id=4"));
}

TEST_F(SqliteDatabaseTest, FailuresLeaveTheLibraryMessageAndSuccessClearsIt) {
  SqliteDatabase database;
  ASSERT_TRUE(database.OpenWithKey(path_, kKey));
  ASSERT_TRUE(database.Exec("create table Unique_(x UNIQUE)"));
  const std::vector<std::pair<const char*, std::function<bool()>>> failures = {
      {"syntax error", [&] { return database.Exec("selec 1"); }},
      {"missing table", [&] { return database.Exec("insert into NoSuchTable values (1)"); }},
      {"too many values",
       [&] {
         return database.ExecWithValues("INSERT INTO Filepath(id) VALUES (?)", {{"1", "2"}});
       }},
      {"second row breaks a constraint",
       [&] {
         return database.ExecWithValues("INSERT INTO Unique_(x) VALUES (?)", {{"1"}, {"1"}});
       }},
  };
  for (const auto& [what, run] : failures) {
    EXPECT_FALSE(run()) << what;
    EXPECT_NE(database.ErrorText(), "") << what;
    EXPECT_TRUE(database.Exec("select 1"));
    EXPECT_EQ(database.ErrorText(), "") << "\"not an error\" is not passed on";
  }
}

TEST(SqliteDatabaseOpen, MissingFileWithoutCreateFails) {
  const std::string path = FixturePath(".db");
  SqliteDatabase database;
  EXPECT_FALSE(database.OpenWithKey(path, kKey));
  EXPECT_EQ(database.ErrorText(), "unable to open database file");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SqliteDatabaseOpen, EmptyPathOpensAMemoryDatabase) {
  SqliteDatabase database;
  ASSERT_TRUE(database.OpenWithKey("", kKey));
  EXPECT_TRUE(database.Exec("create table t(x); insert into t values ('内存')"));
  EXPECT_EQ(FirstValue(database, "select x from t"), "内存");
  EXPECT_FALSE(std::filesystem::exists(":memory:"));
}

TEST(SqliteDatabaseOpen, NothingOpenedYet) {
  SqliteDatabase database;
  EXPECT_EQ(database.GetHandle(), nullptr);
  EXPECT_EQ(database.ErrorText(), "获取信息失败！");
  EXPECT_FALSE(database.Exec("select 1"));
  EXPECT_FALSE(database.ExecWithValues("select ?", {{"1"}}));
  EXPECT_FALSE(database.RecordExists("t", "1=1"));
}

}  // namespace
}  // namespace quillmoor
