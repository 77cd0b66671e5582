// The atlas path sheet 结构.xls in every bad state a data directory can hold
// it: the program starts with the whole catalogue, each atlas shows the file
// the sheet gives it (or none, marked "[×]"), selecting and opening give
// their hints, and nothing is written.

#include "tests/common/MainWindowFixture.h"
#include "tests/hardening/AtlasChecks.h"
#include "tests/hardening/CaseTimeLimit.h"
#include "tests/hardening/DamagedBytes.h"
#include "tests/hardening/DirectorySnapshot.h"
#include "tests/hardening/HardeningData.h"
#include "tests/hardening/ProgramWindow.h"
#include "tests/viewer/PdfTestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <ostream>

namespace quillmoor {
namespace {

using test::ReplacePathSheet;
using test::SampleAtlasFile;

// The files the sheet gives atlases 1 and 2 (empty: none); `made` false when
// the case could not be set up.
struct SheetPaths {
  QString atlas1;
  QString atlas2;
  bool made = true;
};

QString SheetOf(const QString& dir) { return dir + "/结构.xls"; }

SheetPaths Unless(bool made, SheetPaths paths = {}) {
  paths.made = made;
  return paths;
}

// The sound sheet written with make-path-sheet.py options.
template <const char* option, const char* value>
SheetPaths Written(const QString& dir) {
  return Unless(ReplacePathSheet(dir, test::kSoundSheet, {option, value}), {SampleAtlasFile("16G101-2"), {}});
}

SheetPaths Sound(const QString&) { return {SampleAtlasFile("16G101-2"), {}}; }

SheetPaths Missing(const QString& dir) { return Unless(QFile::remove(SheetOf(dir))); }

// Something that is no file in the sheet's place.
template <bool (*make)(const QString& path)>
SheetPaths InPlace(const QString& dir) {
  return Unless(QFile::remove(SheetOf(dir)) && make(SheetOf(dir)));
}

SheetPaths EmptyFile(const QString& dir) { return Unless(test::WriteBytes(SheetOf(dir), {})); }

SheetPaths CutInHalf(const QString& dir) {
  const QByteArray whole = test::ReadFileBytes(SheetOf(dir));
  return Unless(test::WriteBytes(SheetOf(dir), whole.left(whole.size() / 2)));
}

SheetPaths RandomBytes(const QString& dir) {
  return Unless(test::WriteBytes(SheetOf(dir), test::RandomBytes(test::ReadFileBytes(SheetOf(dir)).size(), 7)));
}

SheetPaths ZeroSheets(const QString& dir) {
  return Unless(ReplacePathSheet(dir, test::kSoundSheet, {"--zero-sheets"}));
}

SheetPaths NoFileNameColumn(const QString& dir) {
  return Unless(ReplacePathSheet(dir, "id\t图集所在文件夹\n1\t@ATLASES@\n"));
}

SheetPaths NoIdColumn(const QString& dir) {
  return Unless(ReplacePathSheet(dir, "编号\t图集所在文件夹\t文件名\n1\t@ATLASES@\t16G101-2.pdf\n"));
}

// Atlas 2 halfway down, atlas 1 on the last of 10,000 rows.
SheetPaths TenThousandRows(const QString& dir) {
  std::string sheet = "id\t图集所在文件夹\t文件名\n";
  for (int row = 0; row < 10000; ++row) {
    const std::string id = row == 5000 ? "2" : row == 9999 ? "1" : std::to_string(100 + row);
    sheet += id + (id == "1" ? "\t@ATLASES@\t16G101-2.pdf\n" : "\t@DIR@\tnone-" + id + ".pdf\n");
  }
  return Unless(ReplacePathSheet(dir, sheet), {SampleAtlasFile("16G101-2"), dir + "/none-2.pdf"});
}

// The first row of an id counts.
SheetPaths DuplicateIds(const QString& dir) {
  return Unless(ReplacePathSheet(dir,
                                 "id\t图集所在文件夹\t文件名\n"
                                 "1\t@ATLASES@\t16G101-2.pdf\n"
                                 "2\t@DIR@\tfirst.pdf\n"
                                 "1\t@DIR@\tsecond.pdf\n"
                                 "2\t@ATLASES@\t16G101-3.pdf\n"),
                {SampleAtlasFile("16G101-2"), dir + "/first.pdf"});
}

// Ids that are no number are text cells that match no atlas.
SheetPaths NonNumericIds(const QString& dir) {
  return Unless(ReplacePathSheet(dir,
                                 "id\t图集所在文件夹\t文件名\n"
                                 "一\t@DIR@\ta.pdf\n"
                                 "2a\t@DIR@\tb.pdf\n"
                                 "1 or 1=1\t@DIR@\tc.pdf\n"
                                 "\t@DIR@\td.pdf\n"
                                 "1\t@ATLASES@\t16G101-2.pdf\n"),
                {SampleAtlasFile("16G101-2"), {}});
}

// An atlas in a folder 3,000 characters deep, which opens, and a path of
// 6,000 characters that names nothing; both shown whole.
SheetPaths VeryLongPaths(const QString& dir) {
  QString folder = dir;
  for (int level = 0; level < 15; ++level) folder += "/" + QString(199, QChar(u'a' + level)) + "层";
  QString missing = dir;
  for (int level = 0; level < 30; ++level) missing += "/" + QString(199, QChar(u'z' - level));
  const bool made = QDir().mkpath(folder) && QFile::copy(SampleAtlasFile("16G101-2"), folder + "/16G101-2.pdf") &&
                    ReplacePathSheet(dir, "id\t图集所在文件夹\t文件名\n1\t" + folder.toStdString() +
                                              "\t16G101-2.pdf\n2\t" + missing.toStdString() + "\t图集.pdf\n");
  return Unless(made, {folder + "/16G101-2.pdf", missing + "/图集.pdf"});
}

constexpr char kSheetName[] = "--sheet-name";
constexpr char kOtherName[] = "路径";
constexpr char kExtraSheet[] = "--extra-sheet";
constexpr char kNotes[] = "说明";
constexpr char kIds[] = "--ids";
constexpr char kText[] = "text";
constexpr char kFloat[] = "float";
constexpr char kFormula[] = "--formula";
constexpr char kSum[] = "1+2";

SheetPaths NoSheet1(const QString& dir) {
  return Unless(ReplacePathSheet(dir, test::kSoundSheet, {kSheetName, kOtherName}));
}

struct PathSheetCase {
  const char* name;
  SheetPaths (*make)(const QString& dir);  // on a sound data directory
  std::chrono::seconds limit = test::kUsualCaseLimit;
};

void PrintTo(const PathSheetCase& c, std::ostream* out) { *out << c.name; }

class PathSheet : public testing::TestWithParam<PathSheetCase> {};

TEST_P(PathSheet, CatalogueShowsWhatTheSheetGivesAndNothingIsWritten) {
  const PathSheetCase& c = GetParam();
  const test::CaseTimeLimit limit(c.name, c.limit);
  const QString dir = test::MakeDataDir(QString::fromLatin1(c.name), test::kSoundSheet);
  const SheetPaths paths = c.make(dir);
  ASSERT_TRUE(paths.made);
  const test::DirectorySnapshot before = test::DirectorySnapshot::Take(dir);
  {
    test::ProgramWindow program(dir);
    ASSERT_TRUE(program.running()) << program.error().toStdString();
    EXPECT_EQ(program.catalogueText(), test::ExpectedTree(paths.atlas1, paths.atlas2));
    EXPECT_EQ(program.status(), test::kStartStatus);
    test::ExpectAtlasSelectAndOpen(program, QStringLiteral("1"), paths.atlas1);
    test::ExpectAtlasSelectAndOpen(program, QStringLiteral("2"), paths.atlas2);
  }
  EXPECT_EQ(test::DirectorySnapshot::Take(dir).ChangesSince(before), "");
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, PathSheet,
    testing::Values(PathSheetCase{"Sound", Sound},
                    PathSheetCase{"Missing", Missing},
                    PathSheetCase{"NamedPipe", InPlace<test::MakeNamedPipe>},
                    PathSheetCase{"Directory", InPlace<test::MakeDirectory>},
                    PathSheetCase{"EmptyFile", EmptyFile},
                    PathSheetCase{"CutInHalf", CutInHalf},
                    PathSheetCase{"RandomBytes", RandomBytes},
                    PathSheetCase{"NoSheetNamedSheet1", NoSheet1},
                    PathSheetCase{"OtherSheetsFirst", Written<kExtraSheet, kNotes>},
                    PathSheetCase{"NoSheetsAtAll", ZeroSheets},
                    PathSheetCase{"NoFileNameColumn", NoFileNameColumn},
                    PathSheetCase{"NoIdColumn", NoIdColumn},
                    PathSheetCase{"TenThousandRows", TenThousandRows, test::kLargeCaseLimit},
                    PathSheetCase{"DuplicateIds", DuplicateIds},
                    PathSheetCase{"NonNumericIds", NonNumericIds},
                    PathSheetCase{"IdsStoredAsText", Written<kIds, kText>},
                    PathSheetCase{"IdsStoredAsFloats", Written<kIds, kFloat>},
                    PathSheetCase{"FormulaCells", Written<kFormula, kSum>},
                    PathSheetCase{"VeryLongPaths", VeryLongPaths}),
    [](const testing::TestParamInfo<PathSheetCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmoor
