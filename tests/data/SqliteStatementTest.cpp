#include "data/SqliteStatement.h"

#include "data/SqliteDatabase.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillmoor {
namespace {

class SqliteStatementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(database_.OpenWithKey("", "key"));
    ASSERT_TRUE(database_.Exec(
        "create table structure_cate(sublibid INTEGER, sublibname TEXT, upsublibid INTEGER);"
        "insert into structure_cate values (1, '结构', ''), (2, '混凝土', 1), (3, NULL, 1);"));
    ASSERT_TRUE(statement_.BindDatabase(database_));
  }

  // The grid's texts row by row.
  static std::vector<std::vector<std::string>> Rows(const TextGrid& grid) {
    std::vector<std::vector<std::string>> rows(grid.RowCount());
    for (int r = 1; r <= grid.RowCount(); ++r) {
      for (int c = 1; c <= grid.ColumnCount(); ++c) rows[r - 1].push_back(grid[r][c]);
    }
    return rows;
  }

  SqliteDatabase database_;
  SqliteStatement statement_;
  TextGrid grid_{5, 5};  // stale content that every query must discard
  int rows_ = -1;
  int columns_ = -1;
};

TEST_F(SqliteStatementTest, GridHoldsHeaderThenDataWithNullAsEmpty) {
  ASSERT_TRUE(statement_.QueryToGrid("select sublibid, sublibname as name from structure_cate",
                                     grid_, &rows_, &columns_));
  EXPECT_EQ(rows_, 4);
  EXPECT_EQ(columns_, 2);
  EXPECT_EQ(Rows(grid_), (std::vector<std::vector<std::string>>{
                             {"sublibid", "name"}, {"1", "结构"}, {"2", "混凝土"}, {"3", ""}}));
}

TEST_F(SqliteStatementTest, CatalogueQueriesFindTopAndChildCategories) {
  ASSERT_TRUE(statement_.QueryToGrid(
      "select sublibid,sublibname from structure_cate where upsublibid=''", grid_, &rows_));
  EXPECT_EQ(Rows(grid_),
            (std::vector<std::vector<std::string>>{{"sublibid", "sublibname"}, {"1", "结构"}}));
  ASSERT_TRUE(statement_.QueryToGrid(
      "select sublibid,sublibname from structure_cate where upsublibid=1  ", grid_, &rows_));
  EXPECT_EQ(rows_, 3);
}

TEST_F(SqliteStatementTest, EmptyResultAndFailureBothGiveAnEmptyGrid) {
  const struct {
    const char* sql;
    bool succeeds;
  } cases[] = {
      {"select * from structure_cate where sublibid=99", true},
      {"select * frm structure_cate", false},
      {"select * from NoSuchTable", false},
  };
  for (const auto& c : cases) {
    grid_.Resize(5, 5);
    EXPECT_EQ(statement_.QueryToGrid(c.sql, grid_, &rows_, &columns_), c.succeeds) << c.sql;
    EXPECT_TRUE(grid_.IsEmpty()) << c.sql;
    EXPECT_EQ(rows_, 0) << c.sql;
    EXPECT_EQ(columns_, 0) << c.sql;
    EXPECT_EQ(database_.ErrorText().empty(), c.succeeds) << c.sql;
  }
}

TEST(SqliteStatementBinding, QueriesFailWithoutAConnection) {
  SqliteStatement unbound;
  TextGrid grid;
  EXPECT_FALSE(unbound.QueryToGrid("select 1", grid));

  SqliteDatabase failed;  // its open failed, so it lends a connection in error
  EXPECT_FALSE(failed.OpenWithKey("/no/such/dir/x.db", "key"));
  SqliteStatement bound;
  EXPECT_TRUE(bound.BindDatabase(failed));
  EXPECT_FALSE(bound.QueryToGrid("select 1", grid));
  EXPECT_TRUE(grid.IsEmpty());
}

TEST(TextGrid, AddressesFromOneAndDiscardsTextsOnResize) {
  TextGrid grid(2, 3);
  grid[1][1] = "a";
  grid[2][3] = "f";
  EXPECT_EQ(grid.Text(1, 1), "a");
  EXPECT_EQ(grid.Text(2, 3), "f");
  EXPECT_EQ(grid.Text(3, 1), "");  // outside
  EXPECT_EQ(grid.Text(0, 0), "");
  grid.Resize(3, 3);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Text(1, 1), "");
  EXPECT_EQ(grid.Text(2, 3), "");
}

}  // namespace
}  // namespace quillmoor
