// The catalogue database struct.dll in every bad state a data directory can
// hold it: the program starts, shows what it can read of the catalogue, a
// save in the path editor into it is refused, and nothing is written.

#include "tests/common/MainWindowFixture.h"
#include "tests/data/DataFixtures.h"
#include "tests/hardening/AtlasChecks.h"
#include "tests/hardening/CaseTimeLimit.h"
#include "tests/hardening/DamagedBytes.h"
#include "tests/hardening/DirectorySnapshot.h"
#include "tests/hardening/HardeningData.h"
#include "tests/hardening/ProgramWindow.h"
#include "tests/viewer/PdfTestFiles.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <iostream>
#include <ostream>

namespace quillmoor {
namespace {

using test::ExpectedTree;

QString DatabaseOf(const QString& dir) { return dir + "/struct.dll"; }

bool Keep(const QString&) { return true; }

bool Remove(const QString& dir) { return QFile::remove(DatabaseOf(dir)); }

bool Empty(const QString& dir) { return test::WriteBytes(DatabaseOf(dir), {}); }

bool Random(const QString& dir) { return test::WriteBytes(DatabaseOf(dir), test::RandomBytes(16384, 2026)); }

// The sound catalogue cut after `bytes` bytes (negative: that many before its end).
template <int bytes>
bool CutAt(const QString& dir) {
  const QByteArray whole = test::ReadFileBytes(DatabaseOf(dir));
  const qsizetype keep = bytes >= 0 ? bytes : whole.size() + bytes;
  return keep > 0 && keep < whole.size() && test::WriteBytes(DatabaseOf(dir), whole.left(keep));
}

bool CutInHalf(const QString& dir) {
  const QByteArray whole = test::ReadFileBytes(DatabaseOf(dir));
  return test::WriteBytes(DatabaseOf(dir), whole.left(whole.size() / 2));
}

// A keyed database in place of the sound one.
bool Replace(const QString& dir, const std::string& key, const std::string& sql) {
  Remove(dir);
  test::MakeKeyedDatabase(DatabaseOf(dir).toStdString(), key, sql);
  return QFileInfo(DatabaseOf(dir)).size() > 0;
}

const char kCategoriesTable[] =
    "CREATE TABLE structure_cate(sublibid INTEGER, sublibname TEXT, upsublibid INTEGER);"
    "INSERT INTO structure_cate VALUES (1,'结构专业',''),(2,'混凝土结构',1),(3,'平法施工图',2);";
const char kAtlasesTable[] =
    "CREATE TABLE structure(id INTEGER, title TEXT, code TEXT, code2 NUMERIC, ClassID INTEGER);"
    "INSERT INTO structure VALUES (1,'现浇混凝土板式楼梯','16G101-2',1,3),"
    "(2,'独立基础、条形基础、筏形基础及桩基础','16G101-3',2,3);";

bool OtherKey(const QString& dir) {
  return Replace(dir, "0123456789abcdef",
                 std::string(kCategoriesTable) + kAtlasesTable + "CREATE TABLE Filepath(id INTEGER, path TEXT);");
}

bool NoTables(const QString& dir) {
  return Replace(dir, build::kResourcePassword, "CREATE TABLE notes(x TEXT); INSERT INTO notes VALUES ('x');");
}

bool NoCategoryName(const QString& dir) {
  return Replace(dir, build::kResourcePassword,
                 std::string("CREATE TABLE structure_cate(sublibid INTEGER, upsublibid INTEGER);"
                             "INSERT INTO structure_cate VALUES (1,''),(2,1),(3,2);") +
                     kAtlasesTable + "CREATE TABLE Filepath(id INTEGER);");
}

bool NoAtlasColumns(const QString& dir) {
  return Replace(dir, build::kResourcePassword,
                 std::string(kCategoriesTable) +
                     "CREATE TABLE structure(id INTEGER, title TEXT);"
                     "INSERT INTO structure VALUES (1,'现浇混凝土板式楼梯');"
                     "CREATE TABLE Filepath(id INTEGER);");
}

// A category id that is SQL: ids go into the catalogue's queries as they
// stand, so reading it must not run it.
const char kSqlInId[] = "9; DELETE FROM structure";

bool StatementInId(const QString& dir) {
  return Replace(dir, build::kResourcePassword,
                 std::string("CREATE TABLE structure_cate(sublibid TEXT, sublibname TEXT, upsublibid TEXT);"
                             "INSERT INTO structure_cate VALUES ('") +
                     kSqlInId + "','注入',''),('1','结构专业',''),('2','混凝土结构','1'),('3','平法施工图','2');" +
                     kAtlasesTable + "CREATE TABLE Filepath(id INTEGER, path TEXT);");
}

// Something that is no file in the database's place.
template <bool (*make)(const QString& path)>
bool InPlace(const QString& dir) {
  return Remove(dir) && make(DatabaseOf(dir));
}

bool ReadOnly(const QString& dir) { return ::chmod(QFile::encodeName(DatabaseOf(dir)).constData(), 0444) == 0; }

std::string NoTree() { return {}; }
std::string CategoriesOnly() { return test::CategoriesOnlyTree(); }
std::string FullTree() { return ExpectedTree(test::SampleAtlasFile("16G101-2")); }
std::string OddCategoryFirst() { return "C\t注入\t" + std::string(kSqlInId) + "\n" + FullTree(); }

struct CatalogueFileCase {
  const char* name;
  bool (*damage)(const QString& dir);  // on a sound data directory
  std::string (*tree)();               // what the catalogue tree shows
  bool trySave;                        // a path editor save into it, to be refused
};

void PrintTo(const CatalogueFileCase& c, std::ostream* out) { *out << c.name; }

bool RootIgnoresReadOnly(const QString& dir) {
  const QFileInfo file(DatabaseOf(dir));
  return ::geteuid() == 0 && file.exists() && !(file.permissions() & QFile::WriteOwner);
}

class CatalogueFile : public testing::TestWithParam<CatalogueFileCase> {};

TEST_P(CatalogueFile, StartsShowsWhatItCanAndWritesNothing) {
  const CatalogueFileCase& c = GetParam();
  const test::CaseTimeLimit limit(c.name, test::kUsualCaseLimit);
  const QString dir = test::MakeDataDir(QString::fromLatin1(c.name), test::kSoundSheet);
  ASSERT_TRUE(c.damage(dir));
  const test::DirectorySnapshot before = test::DirectorySnapshot::Take(dir);
  bool saveTried = false;
  {
    test::ProgramWindow program(dir);
    ASSERT_TRUE(program.running()) << program.error().toStdString();
    EXPECT_EQ(program.catalogueText(), c.tree());
    EXPECT_EQ(program.status(), test::kStartStatus);
    EXPECT_FALSE(test::AnyMessageBoxShown());
    if (program.atlasWithId(QStringLiteral("1")))
      test::ExpectAtlasSelectAndOpen(program, QStringLiteral("1"), test::SampleAtlasFile("16G101-2"));
    EXPECT_EQ(test::DirectorySnapshot::Take(dir).ChangesSince(before), "") << "before any save";
    // Root writes through file permissions: the save into a read-only file
    // is then left out, and what is checked is that nothing else wrote to it.
    if (c.trySave && RootIgnoresReadOnly(dir)) {
      std::cout << "[ NOTE     ] running as root, which file permissions do not stop: no save tried\n";
    } else if (c.trySave) {
      saveTried = true;
      const test::SeenMessage seen =
          program.saveInPathEditor(QStringLiteral("1"), test::SampleAtlasFile("16G101-3"));
      EXPECT_TRUE(seen.shown);
      EXPECT_EQ(seen.title, QStringLiteral("出错："));
      EXPECT_EQ(seen.text, QStringLiteral("添加失败！"));
    }
    EXPECT_FALSE(test::AnyMessageBoxShown());
  }
  // A refused save may leave the trace of its rolled-back journal in the
  // directory's time, no more.
  EXPECT_EQ(test::DirectorySnapshot::Take(dir).ChangesSince(before, !saveTried), "");
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, CatalogueFile,
    testing::Values(CatalogueFileCase{"Sound", Keep, FullTree, false},
                    CatalogueFileCase{"Missing", Remove, NoTree, true},
                    CatalogueFileCase{"EmptyFile", Empty, NoTree, true},
                    CatalogueFileCase{"RandomBytes", Random, NoTree, true},
                    CatalogueFileCase{"CutInFirstPage", CutAt<512>, NoTree, true},
                    CatalogueFileCase{"CutAfterFirstPage", CutAt<4096>, NoTree, true},
                    CatalogueFileCase{"CutInHalf", CutInHalf, NoTree, true},
                    CatalogueFileCase{"LastPageCutOff", CutAt<-4096>, NoTree, true},
                    CatalogueFileCase{"KeyedWithAnotherPassword", OtherKey, NoTree, true},
                    CatalogueFileCase{"NoCatalogueTables", NoTables, NoTree, true},
                    CatalogueFileCase{"CategoriesWithoutName", NoCategoryName, NoTree, true},
                    CatalogueFileCase{"AtlasesWithoutColumns", NoAtlasColumns, CategoriesOnly, true},
                    CatalogueFileCase{"StatementInCategoryId", StatementInId, OddCategoryFirst, false},
                    CatalogueFileCase{"NamedPipe", InPlace<test::MakeNamedPipe>, NoTree, true},
                    CatalogueFileCase{"Directory", InPlace<test::MakeDirectory>, NoTree, true},
                    CatalogueFileCase{"ReadOnlyFile", ReadOnly, FullTree, true}),
    [](const testing::TestParamInfo<CatalogueFileCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmoor
