// Bad PDFs, and things that are no file, where the program meets them: as
// the default atlas 16G101-1.pdf at start-up and as an atlas of the catalogue
// opened by double-click and by Enter. The window comes up, the viewer shows
// what the engine makes of the file (an empty page area where nothing can be
// shown), pages turn and outline entries open without harm, no message box
// appears and nothing is written.

#include "tests/common/MainWindowFixture.h"
#include "tests/hardening/CaseTimeLimit.h"
#include "tests/hardening/DamagedBytes.h"
#include "tests/hardening/DirectorySnapshot.h"
#include "tests/hardening/HardeningData.h"
#include "tests/hardening/ProgramWindow.h"
#include "tests/viewer/PdfTestFiles.h"
#include "viewer/DocumentSession.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <ostream>
#include <string>

namespace quillmoor {
namespace {

using test::WrittenFrom;

QByteArray Bytes(const std::string& path) { return test::ReadFileBytes(QString::fromStdString(path)); }
QByteArray Fixture(const char* name) { return Bytes(test::PdfFixture(name)); }
QByteArray DefaultAtlas() { return Bytes(test::SampleAtlas(kDefaultAtlasName)); }

QByteArray CutNearStart() { return DefaultAtlas().left(1000); }
QByteArray CutInHalf() { return DefaultAtlas().left(DefaultAtlas().size() / 2); }
QByteArray TrailerCutOff() { return DefaultAtlas().chopped(100); }
QByteArray SomeFlippedBits() { return test::FlipBits(DefaultAtlas(), 40, 11); }
QByteArray ManyFlippedBits() { return test::FlipBits(DefaultAtlas(), 4000, 12); }

// A sound PDF whose page tree holds no page.
QByteArray ZeroPages() {
  const QByteArray objects[] = {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [] /Count 0 >>"};
  QByteArray pdf = "%PDF-1.4\n";
  QByteArray xref = "xref\n0 3\n0000000000 65535 f \n";
  for (int i = 0; i < 2; ++i) {
    xref += QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n \n";
    pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const QByteArray startXref = QByteArray::number(pdf.size());
  return pdf + xref + "trailer\n<< /Size 3 /Root 1 0 R >>\nstartxref\n" + startXref + "\n%%EOF\n";
}

QByteArray Encrypted() { return Fixture("encrypted.pdf"); }
QByteArray HugePage() { return Fixture("huge-page.pdf"); }
QByteArray ManyPages() { return Fixture("many-pages.pdf"); }
QByteArray OutlineLoop() { return Fixture("outline-loop.pdf"); }
QByteArray BadOutline() { return Fixture("bad-outline.pdf"); }

// What the engine repairs of a damaged file is its own: the viewer must agree
// with it, whatever it is.
constexpr int kRecovered = -1;
enum class Picture { Shown, None, Recovered };

struct PdfCase {
  const char* name;
  bool (*place)(const QString& path);
  int pages;     // what the page-count box shows
  Picture picture;
  int outlineRows;
  std::chrono::seconds limit = test::kUsualCaseLimit;
};

void PrintTo(const PdfCase& c, std::ostream* out) { *out << c.name; }

class PdfFile : public testing::TestWithParam<PdfCase> {
 protected:
  // The viewer on page 1 of the file, as the row expects it.
  void expectPageOne(test::ProgramWindow& program) {
    const PdfCase& c = GetParam();
    const DocumentSession& session = *program.state().session;
    const test::ViewerShows shows = program.viewer();
    EXPECT_EQ(shows.pageBox, QStringLiteral("1"));
    EXPECT_EQ(shows.pageCount, QString::number(c.pages == kRecovered ? session.pageCount() : c.pages));
    EXPECT_EQ(shows.outlineRows, c.outlineRows == kRecovered ? session.outlineCount() : c.outlineRows);
    if (c.picture != Picture::Recovered) {
      EXPECT_EQ(shows.picture, c.picture == Picture::Shown);
    } else if (session.pageCount() == 0) {
      EXPECT_FALSE(shows.picture);
    }
    EXPECT_FALSE(test::AnyMessageBoxShown());
  }

  // What an opening from the catalogue shows: page 1 of a file that is
  // there; for anything else the viewer as it was (`before`).
  void expectOpened(test::ProgramWindow& program, const test::ViewerShows& before) {
    if (QFileInfo(program.state().dataDir + "/damaged.pdf").isFile()) {
      expectPageOne(program);
    } else {
      EXPECT_EQ(program.viewer(), before);
      EXPECT_FALSE(test::AnyMessageBoxShown());
    }
  }
};

TEST_P(PdfFile, ViewerShowsWhatCanBeShownAndNothingIsWritten) {
  const PdfCase& c = GetParam();
  const test::CaseTimeLimit limit(c.name, c.limit);
  const QString dir =
      test::MakeDataDir(QString::fromLatin1(c.name), "id\t图集所在文件夹\t文件名\n1\t@DIR@\tdamaged.pdf\n");
  const QString atlasFile = dir + "/damaged.pdf";
  ASSERT_TRUE(QFile::remove(dir + "/" + kDefaultAtlasName));
  ASSERT_TRUE(c.place(dir + "/" + kDefaultAtlasName));
  ASSERT_TRUE(c.place(atlasFile));
  const test::DirectorySnapshot before = test::DirectorySnapshot::Take(dir);
  {
    test::ProgramWindow program(dir);
    ASSERT_TRUE(program.running()) << program.error().toStdString();
    {
      SCOPED_TRACE("default atlas at start");
      expectPageOne(program);
    }
    const int atlas = program.atlasWithId(QStringLiteral("1"));
    ASSERT_NE(atlas, 0);
    for (const bool byEnter : {false, true}) {
      SCOPED_TRACE(byEnter ? "opened again with Enter" : "opened from the catalogue");
      program.turnPages();
      program.openOutlineEntries();
      const test::ViewerShows shown = program.viewer();
      byEnter ? program.pressEnterOn(atlas) : program.doubleClick(atlas);
      EXPECT_EQ(program.status(), test::OpeningHint("1", atlasFile));
      expectOpened(program, shown);
    }
  }
  EXPECT_EQ(test::DirectorySnapshot::Take(dir).ChangesSince(before), "");
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, PdfFile,
    testing::Values(
        PdfCase{"CutNearTheStart", WrittenFrom<CutNearStart>, kRecovered, Picture::Recovered, kRecovered},
        PdfCase{"CutInHalf", WrittenFrom<CutInHalf>, kRecovered, Picture::Recovered, kRecovered},
        PdfCase{"TrailerCutOff", WrittenFrom<TrailerCutOff>, kRecovered, Picture::Recovered, kRecovered},
        PdfCase{"SomeFlippedBits", WrittenFrom<SomeFlippedBits>, kRecovered, Picture::Recovered, kRecovered},
        PdfCase{"ManyFlippedBits", WrittenFrom<ManyFlippedBits>, kRecovered, Picture::Recovered, kRecovered},
        PdfCase{"NeedsAPassword", WrittenFrom<Encrypted>, 0, Picture::None, 0},
        PdfCase{"NoPages", WrittenFrom<ZeroPages>, 0, Picture::None, 0},
        PdfCase{"HugePage", WrittenFrom<HugePage>, 1, Picture::None, 0},
        PdfCase{"ThousandsOfPages", WrittenFrom<ManyPages>, 3000, Picture::Shown, 0, test::kLargeCaseLimit},
        PdfCase{"OutlineLoopsBack", WrittenFrom<OutlineLoop>, 2, Picture::Shown, 2},
        PdfCase{"OutlineAimedAtNoPage", WrittenFrom<BadOutline>, 3, Picture::Shown, 7},
        PdfCase{"NamedPipe", test::MakeNamedPipe, 0, Picture::None, 0},
        PdfCase{"Directory", test::MakeDirectory, 0, Picture::None, 0}),
    [](const testing::TestParamInfo<PdfCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmoor
