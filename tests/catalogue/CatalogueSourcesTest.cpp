// The catalogue sources on real files: a keyed catalogue made by
// quillmoor-tool and a path sheet made by tools/make-path-sheet.py.

#include "BuildConfig.h"
#include "catalogue/CatalogueSources.h"
#include "catalogue/CatalogueTree.h"
#include "catalogue/CatalogueTreeText.h"
#include "catalogue/Edition.h"
#include "platform/UiTreeAdapter.h"
#include "tests/catalogue/CatalogueFixtures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace quillmoor {
namespace {

using test::CatalogueTables;

const std::string kCategories =
    "sublibid\tsublibname\tupsublibid\n"
    "1\t结构专业\t\n"
    "2\t混凝土结构\t1\n"
    "3\t平法施工图\t2\n"
    "4\t钢结构\t1\n";
const std::string kAtlases =
    "id\ttitle\tcode\tcode2\tClassID\n"
    "1\t现浇混凝土框架、剪力墙、梁、板\t16G101-1\t1\t3\n";

CatalogueSources SourcesFor(const QString& dir, const std::string& key = build::kResourcePassword,
                            const std::string& edition = kStructureEditionLabel) {
  return CatalogueSources(edition, dir.toStdString(), key);
}

std::string BuildTreeText(CatalogueSources& sources) {
  UiTreeAdapter adapter;
  AddCatalogueColumns(adapter);
  BuildCatalogueTree(sources, adapter);
  return CatalogueTreeText(adapter);
}

struct PathCase {
  const char* id;
  const char* path;
};

// In this order, so that searches go back to earlier rows as well as forward.
const PathCase kPathCases[] = {
    {"3", "/data/later/3.pdf"},
    {"1", "/data/first/1.pdf"},      // the first of two rows for id 1
    {"4", "/data/slash//4.pdf"},     // a folder ending with the separator keeps it
    {"5", ""},                       // no folder
    {"6", ""},                       // no file name
    {"7", ""},                       // not on the sheet
    {"3", "/data/later/3.pdf"},
};

TEST(AtlasPath, ComposesFolderSeparatorAndFileName) {
  const QString dir = test::MakeCatalogueDir("atlas-path", {kCategories, kAtlases,
                                                            "id\t图集所在文件夹\t文件名\n"
                                                            "3\t/data/later\t3.pdf\n"
                                                            "1\t/data/first\t1.pdf\n"
                                                            "1\t/data/second\t1b.pdf\n"
                                                            "4\t/data/slash/\t4.pdf\n"
                                                            "5\t\t5.pdf\n"
                                                            "6\t/data/six\t\n"});
  CatalogueSources sources = SourcesFor(dir);
  sources.OpenPathSheet();
  for (const PathCase& c : kPathCases) EXPECT_EQ(sources.AtlasPath(c.id), c.path) << "id " << c.id;
}

TEST(AtlasPath, IsEmptyWithoutPathSheet) {
  const QString dir = test::MakeCatalogueDir("no-sheet", {kCategories, kAtlases, std::nullopt});
  CatalogueSources sources = SourcesFor(dir);
  sources.OpenPathSheet();
  EXPECT_EQ(sources.AtlasPath("1"), "");
}

TEST(AtlasPath, ADirectoryNamedLikeTheSheetIsNoSheet) {
  const QString dir = test::MakeCatalogueDir("sheet-directory", {kCategories, kAtlases, std::nullopt});
  ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("结构.xls")));
  CatalogueSources sources = SourcesFor(dir);
  sources.OpenPathSheet();
  EXPECT_EQ(sources.AtlasPath("1"), "");
}

TEST(LoadAtlases, CountsTheHeaderRowAndEmptiesTheGridForNone) {
  const QString dir = test::MakeCatalogueDir("load-atlases", {kCategories, kAtlases, std::nullopt});
  CatalogueSources sources = SourcesFor(dir);
  sources.OpenCatalogueDatabase();
  EXPECT_EQ(sources.LoadAtlases("3"), 2);
  EXPECT_EQ(sources.AtlasGrid().Text(2, 3), "16G101-1");
  EXPECT_EQ(sources.LoadAtlases("4"), 0);
  EXPECT_TRUE(sources.AtlasGrid().IsEmpty());
}

// Sources that cannot be read leave the tree empty or without paths; the
// user is told nothing, the diagnostics say why.
struct FailureCase {
  const char* name;
  bool removeDatabase;
  std::string key;
  std::string edition;
  bool withSheet;
  const char* tree;
  std::vector<std::string> diagnostics;  // what each diagnostic begins with
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class SourcesThatFail : public testing::TestWithParam<FailureCase> {};

TEST_P(SourcesThatFail, GiveTheirTreeAndDiagnostics) {
  const FailureCase& c = GetParam();
  const QString dir = test::MakeCatalogueDir(
      QString::fromLatin1(c.name),
      {kCategories, kAtlases, c.withSheet ? std::optional<std::string>("id\t图集所在文件夹\t文件名\n1\t/a\t1.pdf\n")
                                          : std::nullopt});
  if (c.removeDatabase) {
    ASSERT_TRUE(QFile::remove(dir + "/struct.dll"));
  }
  const test::DiagnosticCapture diagnostics;
  CatalogueSources sources = SourcesFor(dir, c.key, c.edition);
  EXPECT_EQ(BuildTreeText(sources), c.tree);
  ASSERT_EQ(diagnostics.Messages().size(), static_cast<qsizetype>(c.diagnostics.size()))
      << diagnostics.Messages().join('\n').toStdString();
  for (std::size_t i = 0; i < c.diagnostics.size(); ++i) {
    const QString& message = diagnostics.Messages()[static_cast<qsizetype>(i)];
    EXPECT_TRUE(message.startsWith(QString::fromStdString(c.diagnostics[i]))) << message.toStdString();
  }
}

const char kTreeWithoutPaths[] =
    "C\t结构专业\t1\n"
    "  C\t混凝土结构\t2\n"
    "    C\t平法施工图\t3\n"
    "      A\t[×]16G101-1\t现浇混凝土框架、剪力墙、梁、板\t\t1\n"
    "  C\t钢结构\t4\n";

INSTANTIATE_TEST_SUITE_P(
    Table, SourcesThatFail,
    testing::Values(
        FailureCase{"MissingDatabase", true, build::kResourcePassword, kStructureEditionLabel, true, "",
                    {"数据库连接失败！", "取表内容失败！"}},
        FailureCase{"WrongKey", false, "0123456789abcdef", kStructureEditionLabel, true, "",
                    {"数据库连接失败！file is encrypted or is not a database",
                     "取表内容失败！file is encrypted or is not a database"}},
        FailureCase{"UnknownEdition", false, build::kResourcePassword, "其他版", true, "",
                    {"数据库连接失败！", "取表内容失败！"}},
        FailureCase{"MissingPathSheet", false, build::kResourcePassword, kStructureEditionLabel, false,
                    kTreeWithoutPaths, {}}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmoor
