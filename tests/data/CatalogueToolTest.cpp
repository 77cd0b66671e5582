// quillmoor-tool create-catalogue and dump, run as the build runs them.

#include "BuildConfig.h"
#include "data/SqliteDatabase.h"
#include "data/SqliteStatement.h"
#include "tests/common/TestSupport.h"
#include "tests/data/DataFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quillmoor {
namespace {

using test::FixturePath;
using test::ProcessResult;

constexpr char kCategories[] =
    "sublibid\tsublibname\tupsublibid\n"
    "1\t结构\t\n"
    "2\t混凝土结构\t1\n"
    "3\t钢结构\t1\n";
// Columns in another order than the table's, with one the table does not have.
constexpr char kAtlases[] =
    "code\tid\ttitle\tcode2\tClassID\tnote\n"
    "16G101-2\t2\t混凝土结构施工图（现浇混凝土板式楼梯）\t2\t2\tx\n"
    "16G101-1\t1\t混凝土结构施工图 \"平法\" 'it''s'\t1\t2\ty\n"
    "16G519\t3\t多、高层民用建筑钢结构节点构造详图\t1\t3\tz\n";

ProcessResult RunTool(const QStringList& args) {
  return test::runProcess(test::programDir() + "/quillmoor-tool", args);
}

class CatalogueTool : public ::testing::Test {
 protected:
  void SetUp() override {
    categories_ = FixturePath(".categories.tsv");
    atlases_ = FixturePath(".atlases.tsv");
    db_ = FixturePath(".dll");
    test::WriteFile(categories_, kCategories);
    test::WriteFile(atlases_, kAtlases);
  }

  ProcessResult Create(const QStringList& more = {}) {
    return RunTool(QStringList{"create-catalogue", "--db", QString::fromStdString(db_),
                               "--categories", QString::fromStdString(categories_), "--atlases",
                               QString::fromStdString(atlases_)} +
                   more);
  }

  // The program's own queries on the catalogue, as "row|row" of "a,b" cells.
  std::string Query(const std::string& sql) {
    SqliteDatabase database;
    EXPECT_TRUE(database.OpenWithKey(db_, build::kResourcePassword)) << database.ErrorText();
    SqliteStatement statement;
    statement.BindDatabase(database);
    TextGrid grid;
    EXPECT_TRUE(statement.QueryToGrid(sql, grid)) << sql << ": " << database.ErrorText();
    std::string rows;
    for (int r = 2; r <= grid.RowCount(); ++r) {
      rows += r > 2 ? "|" : "";
      for (int c = 1; c <= grid.ColumnCount(); ++c) rows += (c > 1 ? "," : "") + grid[r][c];
    }
    return rows;
  }

  std::string categories_, atlases_, db_;
};

TEST_F(CatalogueTool, BuildsAKeyedCatalogueTheProgramCanQuery) {
  const ProcessResult created = Create({"--edition", "structure"});
  ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
  EXPECT_NE(test::ReadFile(db_).rfind("SQLite format 3", 0), 0u) << "not encrypted";

  EXPECT_EQ(Query("select sublibid,sublibname from structure_cate where upsublibid=''"), "1,结构");
  EXPECT_EQ(Query("select sublibid,sublibname from structure_cate where upsublibid=1  "),
            "2,混凝土结构|3,钢结构");
  EXPECT_EQ(Query("select id,title,code from structure where ClassID=2 order by code2"),
            "1,混凝土结构施工图 \"平法\" 'it''s',16G101-1|"
            "2,混凝土结构施工图（现浇混凝土板式楼梯）,16G101-2");
  EXPECT_EQ(Query("select count(*) from Filepath"), "0");
}

TEST_F(CatalogueTool, DumpPrintsCategoriesAndAtlases) {
  ASSERT_EQ(Create().exitCode, 0);
  const ProcessResult dumped = RunTool({"dump", "--db", QString::fromStdString(db_)});
  ASSERT_EQ(dumped.exitCode, 0) << dumped.err.toStdString();
  EXPECT_EQ(dumped.out.toStdString(),
            "category\t1\t结构\t\n"
            "category\t2\t混凝土结构\t1\n"
            "category\t3\t钢结构\t1\n"
            "atlas\t2\t混凝土结构施工图（现浇混凝土板式楼梯）\t16G101-2\t2\t2\n"
            "atlas\t1\t混凝土结构施工图 \"平法\" 'it''s'\t16G101-1\t1\t2\n"
            "atlas\t3\t多、高层民用建筑钢结构节点构造详图\t16G519\t1\t3\n");
}

TEST_F(CatalogueTool, ArchitectureEditionHasItsOwnTables) {
  ASSERT_EQ(Create({"--edition", "architecture"}).exitCode, 0);
  EXPECT_EQ(Query("select count(*) from architecture_cate"), "3");
  EXPECT_EQ(Query("select count(*) from architecture"), "3");
  EXPECT_NE(RunTool({"dump", "--db", QString::fromStdString(db_)}).exitCode, 0);
  EXPECT_EQ(
      RunTool({"dump", "--db", QString::fromStdString(db_), "--edition", "architecture"}).exitCode,
      0);
}

TEST_F(CatalogueTool, NeverOverwritesAnExistingFile) {
  test::WriteFile(db_, "somebody's catalogue");
  const ProcessResult refused = Create();
  EXPECT_NE(refused.exitCode, 0);
  EXPECT_TRUE(refused.err.contains("already exists")) << refused.err.toStdString();
  EXPECT_EQ(test::ReadFile(db_), "somebody's catalogue");
}

TEST_F(CatalogueTool, RefusesBadInputWithOneLineAndWritesNothing) {
  const struct {
    const char* what;
    const char* categories;
    QStringList options;
  } cases[] = {
      {"missing column", "sublibid\tsublibname\n1\t结构\n", {}},
      {"id not a number", "sublibid\tsublibname\tupsublibid\nx1\t结构\t\n", {}},
      {"row longer than header", "sublibid\tsublibname\tupsublibid\n1\t结构\t\textra\n", {}},
      {"unknown edition", kCategories, {"--edition", "garden"}},
      {"unknown option", kCategories, {"--colour", "red"}},
      {"option without value", kCategories, {"--edition"}},
  };
  for (const auto& c : cases) {
    test::WriteFile(categories_, c.categories);
    const ProcessResult refused = Create(c.options);
    EXPECT_NE(refused.exitCode, 0) << c.what;
    EXPECT_EQ(refused.err.count('\n'), 1) << c.what << ": " << refused.err.toStdString();
    EXPECT_FALSE(std::filesystem::exists(db_)) << c.what;
  }
}

TEST_F(CatalogueTool, DumpOfAnUnreadableFileFails) {
  for (const std::string& content : {std::string(), std::string("not a database at all")}) {
    if (!content.empty()) test::WriteFile(db_, content);
    const ProcessResult dumped = RunTool({"dump", "--db", QString::fromStdString(db_)});
    EXPECT_NE(dumped.exitCode, 0) << content;
    EXPECT_EQ(dumped.out, "") << content;
    EXPECT_EQ(dumped.err.count('\n'), 1) << dumped.err.toStdString();
  }
}

}  // namespace
}  // namespace quillmoor
