// What the engine makes of files that are not good PDFs: every answer is a
// result (a load code, a count, a null image), never a crash or a hang.

#include "platform/PdfEngine.h"
#include "tests/viewer/PdfTestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace quillmoor {
namespace {

using test::PdfFixture;
using test::SampleAtlas;

PdfEngine& Engine() { return PdfEngine::instance(); }

QByteArray ReadAll(const std::string& path) { return test::ReadFileBytes(QString::fromStdString(path)); }

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray FlipBits(QByteArray bytes, unsigned seed, int flips) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<qsizetype> position(0, bytes.size() - 1);
  std::uniform_int_distribution<int> bit(0, 7);
  for (int i = 0; i < flips; ++i) {
    const qsizetype at = position(random);
    bytes[at] = static_cast<char>(bytes[at] ^ (1 << bit(random)));
  }
  return bytes;
}

// Whatever the load said, the engine's answers agree with it and every call returns.
void ExpectConsistentAnswers(PdfLoadResult result) {
  if (result != kPdfLoaded) {
    EXPECT_EQ(Engine().pageCount(), 0);
    EXPECT_EQ(Engine().outlineCount(), 0);
    EXPECT_TRUE(Engine().renderPage(1, 20).isNull());
    return;
  }
  EXPECT_GT(Engine().pageCount(), 0);
  EXPECT_LE(Engine().outlineCount(), kMaxOutlineEntries);
  for (int i = 1; i <= Engine().outlineCount(); ++i) {
    const int id = Engine().outlineId(i);
    Engine().outlineTitle(id);
    EXPECT_GE(Engine().outlinePage(id), 0);
  }
  for (int page : {1, Engine().pageCount()}) Engine().renderPage(page, 20);
  EXPECT_TRUE(Engine().renderPage(Engine().pageCount() + 1, 20).isNull());
}

struct BadFile {
  const char* name;
  std::function<bool(const QString& path)> make;  // false when the case cannot be set up
};

void PrintTo(const BadFile& file, std::ostream* out) { *out << file.name; }

class BadFileTest : public testing::TestWithParam<BadFile> {};

TEST_P(BadFileTest, DoesNotLoad) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QString::fromUtf8(GetParam().name));
  ASSERT_TRUE(GetParam().make(path));
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  EXPECT_EQ(Engine().load(path.toStdString()), kPdfNotOpened);
  ExpectConsistentAnswers(kPdfNotOpened);
}

INSTANTIATE_TEST_SUITE_P(
    PdfEngine, BadFileTest,
    testing::Values(BadFile{"missing.pdf", [](const QString&) { return true; }},
                    BadFile{"empty.pdf", [](const QString& p) { return WriteAll(p, {}); }},
                    BadFile{"notes.pdf", [](const QString& p) { return WriteAll(p, "这不是PDF文件。\nJust text.\n"); }},
                    BadFile{"folder.pdf", [](const QString& p) { return QDir().mkdir(p); }},
                    BadFile{"header-only.pdf", [](const QString& p) { return WriteAll(p, "%PDF-1.7\n"); }},
                    BadFile{"ten-bytes.pdf",
                            [](const QString& p) { return WriteAll(p, ReadAll(SampleAtlas("16G101-1.pdf")).left(10)); }}),
    [](const testing::TestParamInfo<BadFile>& info) { return test::TestNameOf(info.param.name); });

// Cut short anywhere, a file either loads what MuPDF can repair or does not
// load at all.
TEST(PdfEngine, TruncatedFilesGiveConsistentAnswers) {
  QTemporaryDir dir;
  // cairo writes the page tree last, the hand-written file first.
  for (const std::string& source : {SampleAtlas("16G101-1.pdf"), PdfFixture("bad-outline.pdf")}) {
    const QByteArray whole = ReadAll(source);
    ASSERT_FALSE(whole.isEmpty());
    for (double fraction : {0.001, 0.05, 0.25, 0.5, 0.75, 0.9, 0.99, 0.9999}) {
      SCOPED_TRACE(source + " cut at " + std::to_string(fraction));
      const QString path = dir.filePath(QStringLiteral("cut.pdf"));
      ASSERT_TRUE(WriteAll(path, whole.left(static_cast<qsizetype>(whole.size() * fraction))));
      ExpectConsistentAnswers(Engine().load(path.toStdString()));
    }
  }
}

TEST(PdfEngine, FilesWithFlippedBitsGiveConsistentAnswers) {
  QTemporaryDir dir;
  for (const std::string& source : {SampleAtlas("atlases/16G362.pdf"), PdfFixture("bad-outline.pdf")}) {
    const QByteArray original = ReadAll(source);
    ASSERT_FALSE(original.isEmpty());
    for (unsigned seed = 1; seed <= 12; ++seed) {
      SCOPED_TRACE(source + " seed " + std::to_string(seed));
      const QString path = dir.filePath(QStringLiteral("flipped.pdf"));
      ASSERT_TRUE(WriteAll(path, FlipBits(original, seed, static_cast<int>(seed) * 4)));
      ExpectConsistentAnswers(Engine().load(path.toStdString()));
    }
  }
}

TEST(PdfEngine, EncryptedFileNeedsItsPassword) {
  const std::string path = PdfFixture("encrypted.pdf");
  EXPECT_EQ(Engine().load(path), kPdfPasswordRequired);
  ExpectConsistentAnswers(kPdfPasswordRequired);
  EXPECT_EQ(Engine().load(path, "wrong"), kPdfPasswordRequired);
  EXPECT_EQ(Engine().pageCount(), 0);
  for (const char* password : {"user", "owner"}) {
    ASSERT_EQ(Engine().load(path, password), kPdfLoaded) << password;
    EXPECT_EQ(Engine().pageCount(), 2);
    EXPECT_GT(test::InkedPixels(Engine().renderPage(1, 50)), 100);
  }
}

TEST(PdfEngine, HugePageIsRefusedAtDisplayResolutionsNotAtSmallOnes) {
  ASSERT_EQ(Engine().load(PdfFixture("huge-page.pdf")), kPdfLoaded);
  EXPECT_EQ(Engine().pageCount(), 1);
  for (double dpi : {72.0, 200.0, 300.0}) EXPECT_TRUE(Engine().renderPage(1, dpi).isNull()) << dpi;
  // 5000 mm at 10 dpi: 1969 pixels a side.
  const QImage small = Engine().renderPage(1, 10);
  EXPECT_NEAR(small.width(), 1969, 1);
  EXPECT_NEAR(small.height(), 1969, 1);
}

TEST(PdfEngine, FileOfThousandsOfPagesLoadsAndCounts) {
  ASSERT_EQ(Engine().load(PdfFixture("many-pages.pdf")), kPdfLoaded);
  EXPECT_EQ(Engine().pageCount(), 3000);
  EXPECT_EQ(Engine().renderPage(3000, 72).size(), QSize(72, 72));
  EXPECT_TRUE(Engine().renderPage(3001, 72).isNull());
}

// Entries whose target cannot be read keep their titles and point at page 0,
// which renders nothing; entries after them are still read.
TEST(PdfEngine, OutlineEntriesAimedAtNoPageKeepTheirTitles) {
  ASSERT_EQ(Engine().load(PdfFixture("bad-outline.pdf")), kPdfLoaded);
  ASSERT_EQ(Engine().outlineCount(), 7);
  const std::vector<std::string> titles = {"Sheet 2", "Page zero", "Past the end", "No target",
                                           "Missing named destination", "Not a page", "Sheet 3"};
  for (int i = 1; i <= 7; ++i) {
    const int id = Engine().outlineId(i);
    EXPECT_EQ(Engine().outlineTitle(id), titles[i - 1]);
    EXPECT_GE(Engine().outlinePage(id), 0);
    EXPECT_LE(Engine().outlinePage(id), Engine().pageCount());
  }
  EXPECT_EQ(Engine().outlinePage(Engine().outlineId(1)), 2);
  for (int index : {2, 3, 4, 5}) EXPECT_EQ(Engine().outlinePage(Engine().outlineId(index)), 0) << index;
  EXPECT_EQ(Engine().outlinePage(Engine().outlineId(7)), 3);
  EXPECT_TRUE(Engine().renderPage(Engine().outlinePage(Engine().outlineId(2)), 200).isNull());
}

TEST(PdfEngine, OutlineThatLoopsListsEachEntryOnce) {
  ASSERT_EQ(Engine().load(PdfFixture("outline-loop.pdf")), kPdfLoaded);
  ASSERT_EQ(Engine().outlineCount(), 2);
  EXPECT_EQ(Engine().outlineTitle(Engine().outlineId(1)), "Loop A");
  EXPECT_EQ(Engine().outlinePage(Engine().outlineId(1)), 1);
  EXPECT_EQ(Engine().outlineTitle(Engine().outlineId(2)), "Loop B");
  EXPECT_EQ(Engine().outlinePage(Engine().outlineId(2)), 2);
}

}  // namespace
}  // namespace quillmoor
