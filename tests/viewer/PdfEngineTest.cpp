#include "platform/PdfEngine.h"
#include "tests/viewer/PdfTestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace quillmoor {
namespace {

using test::PdfFixture;
using test::SampleAtlas;

// A3 landscape (420 x 297 mm) in pixels.
constexpr int kA3WidthAt200 = 3307, kA3HeightAt200 = 2339;
constexpr int kA3WidthAt300 = 4961, kA3HeightAt300 = 3508;

PdfEngine& Engine() { return PdfEngine::instance(); }

std::vector<std::pair<int, std::string>> Outline() {
  std::vector<std::pair<int, std::string>> entries;
  for (int i = 1; i <= Engine().outlineCount(); ++i) {
    const int id = Engine().outlineId(i);
    entries.emplace_back(Engine().outlinePage(id), Engine().outlineTitle(id));
  }
  return entries;
}

std::string PageMark(int page) { return "第" + std::to_string(page) + "页"; }

struct AtlasCase {
  const char* file;
  int pages;
};

void PrintTo(const AtlasCase& atlas, std::ostream* out) { *out << atlas.file; }

class SampleAtlasTest : public testing::TestWithParam<AtlasCase> {};

TEST_P(SampleAtlasTest, LoadsWithItsPageCount) {
  ASSERT_EQ(Engine().load(SampleAtlas(GetParam().file)), kPdfLoaded);
  EXPECT_EQ(Engine().pageCount(), GetParam().pages);
  EXPECT_EQ(Engine().documentPath(), SampleAtlas(GetParam().file));
}

// Chapters and sections stand right before their first child, which shares
// their page; each sheet's entry names its page and points at it.
TEST_P(SampleAtlasTest, NestedOutlineComesOutFlatInDepthFirstOrder) {
  ASSERT_EQ(Engine().load(SampleAtlas(GetParam().file)), kPdfLoaded);
  const auto outline = Outline();
  ASSERT_FALSE(outline.empty());
  int sheets = 0;
  for (size_t i = 0; i < outline.size(); ++i) {
    const auto& [page, title] = outline[i];
    if (title.find(PageMark(page)) != std::string::npos) {
      EXPECT_EQ(page, ++sheets) << title;
    } else {
      ASSERT_LT(i + 1, outline.size()) << "a heading ends the outline: " << title;
      EXPECT_EQ(outline[i + 1].first, page) << title;
    }
  }
  EXPECT_EQ(sheets, GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(PdfEngine, SampleAtlasTest,
                         testing::Values(AtlasCase{"16G101-1.pdf", 24}, AtlasCase{"atlases/16G101-2.pdf", 8},
                                         AtlasCase{"atlases/16G101-3.pdf", 12}, AtlasCase{"atlases/22G101-1.pdf", 16},
                                         AtlasCase{"atlases/22G101-2.pdf", 6}, AtlasCase{"atlases/22G101-3.pdf", 10},
                                         AtlasCase{"atlases/18G901-1.pdf", 14}, AtlasCase{"atlases/12G614-1.pdf", 6},
                                         AtlasCase{"atlases/15G107-1.pdf", 8}, AtlasCase{"atlases/16G362.pdf", 7}),
                         [](const testing::TestParamInfo<AtlasCase>& info) { return test::TestNameOf(info.param.file); });

TEST(PdfEngine, DefaultAtlasOutlineIsTheBooksContentsInReadingOrder) {
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  const std::vector<std::pair<int, std::string>> expected = {
      {1, "第一部分 制图规则"},
      {1, "总则"},
      {1, "总则（一） 第1页"},
      {2, "总则（二） 第2页"},
      {3, "柱平法施工图制图规则"},
      {3, "柱平法施工图制图规则（一） 第3页"},
      {4, "柱平法施工图制图规则（二） 第4页"},
      {5, "柱平法施工图制图规则（三） 第5页"},
      {6, "剪力墙平法施工图制图规则"},
      {6, "剪力墙平法施工图制图规则（一） 第6页"},
      {7, "剪力墙平法施工图制图规则（二） 第7页"},
      {8, "梁平法施工图制图规则"},
      {8, "梁平法施工图制图规则（一） 第8页"},
      {9, "梁平法施工图制图规则（二） 第9页"},
      {10, "梁平法施工图制图规则（三） 第10页"},
      {11, "第二部分 标准构造详图"},
      {11, "框架柱钢筋构造"},
      {11, "框架柱钢筋构造（一） 第11页"},
      {12, "框架柱钢筋构造（二） 第12页"},
      {13, "框架柱钢筋构造（三） 第13页"},
      {14, "框架柱钢筋构造（四） 第14页"},
      {15, "剪力墙钢筋构造"},
      {15, "剪力墙钢筋构造（一） 第15页"},
      {16, "剪力墙钢筋构造（二） 第16页"},
      {17, "剪力墙钢筋构造（三） 第17页"},
      {18, "框架梁钢筋构造"},
      {18, "框架梁钢筋构造（一） 第18页"},
      {19, "框架梁钢筋构造（二） 第19页"},
      {20, "框架梁钢筋构造（三） 第20页"},
      {21, "框架梁钢筋构造（四） 第21页"},
      {22, "楼板钢筋构造"},
      {22, "楼板钢筋构造（一） 第22页"},
      {23, "楼板钢筋构造（二） 第23页"},
      {24, "楼板钢筋构造（三） 第24页"},
  };
  EXPECT_EQ(Outline(), expected);
}

TEST(PdfEngine, OutlineIdsOutsideTheOutlineNameNothing) {
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  for (int index : {0, -1, Engine().outlineCount() + 1}) EXPECT_EQ(Engine().outlineId(index), 0) << index;
  for (int id : {0, -1, Engine().outlineCount() + 1, std::numeric_limits<int>::max()}) {
    EXPECT_EQ(Engine().outlineTitle(id), "") << id;
    EXPECT_EQ(Engine().outlinePage(id), 0) << id;
  }
}

TEST(PdfEngine, DocumentWithoutOutlineHasNoEntries) {
  ASSERT_EQ(Engine().load(PdfFixture("no-outline.pdf")), kPdfLoaded);
  EXPECT_EQ(Engine().pageCount(), 3);
  EXPECT_EQ(Engine().outlineCount(), 0);
}

TEST(PdfEngine, RendersAnA3SheetAt200DpiWithDrawingOnWhite) {
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  const QImage page = Engine().renderPage(1, 200);
  ASSERT_FALSE(page.isNull());
  EXPECT_NEAR(page.width(), kA3WidthAt200, 1);
  EXPECT_NEAR(page.height(), kA3HeightAt200, 1);
  EXPECT_EQ(page.pixelColor(2, 2), QColor(Qt::white));
  const long long inked = test::InkedPixels(page);
  EXPECT_GT(inked, 10000);
  EXPECT_LT(inked, static_cast<long long>(page.width()) * page.height() / 2);
}

TEST(PdfEngine, PagesRenderDifferently) {
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  EXPECT_NE(Engine().renderPage(1, 50), Engine().renderPage(2, 50));
  EXPECT_EQ(Engine().renderPage(2, 50), Engine().renderPage(2, 50));
}

TEST(PdfEngine, NoImageForAPageOutsideTheDocumentOrAnUnusableResolution) {
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  for (int page : {0, -5, 25, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
    EXPECT_TRUE(Engine().renderPage(page, 200).isNull()) << page;
  for (double dpi : {0.0, -200.0, std::nan(""), std::numeric_limits<double>::infinity()})
    EXPECT_TRUE(Engine().renderPage(1, dpi).isNull()) << dpi;
  EXPECT_FALSE(Engine().renderPage(24, 20).isNull());
}

TEST(PdfEngine, SecondLoadReplacesTheFirst) {
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  ASSERT_EQ(Engine().load(SampleAtlas("atlases/16G362.pdf")), kPdfLoaded);
  EXPECT_EQ(Engine().pageCount(), 7);
  const auto outline = Outline();
  ASSERT_EQ(outline.size(), 12u);
  EXPECT_EQ(outline.front(), (std::pair<int, std::string>{1, "第一部分 一般规定"}));
  EXPECT_EQ(outline.back(), (std::pair<int, std::string>{7, "吊环构造（二） 第7页"}));
  EXPECT_TRUE(Engine().renderPage(8, 20).isNull());
  EXPECT_FALSE(Engine().renderPage(7, 20).isNull());
}

TEST(PdfEngine, FailedLoadLeavesNoDocument) {
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  EXPECT_EQ(Engine().load(SampleAtlas("no-such-atlas.pdf")), kPdfNotOpened);
  EXPECT_EQ(Engine().pageCount(), 0);
  EXPECT_EQ(Engine().outlineCount(), 0);
  EXPECT_EQ(Engine().documentPath(), "");
  EXPECT_TRUE(Engine().renderPage(1, 200).isNull());
}

struct JfifDensity {
  int units = -1;  // 1: dots per inch
  int x = 0, y = 0;
};

// The density fields of the JFIF APP0 segment that opens a JPEG file.
std::optional<JfifDensity> ReadJfifDensity(const QByteArray& jpeg) {
  const auto byte = [&](int i) { return static_cast<unsigned char>(jpeg[i]); };
  if (jpeg.size() < 18 || byte(0) != 0xFF || byte(1) != 0xD8 || byte(2) != 0xFF || byte(3) != 0xE0 ||
      jpeg.mid(6, 5) != QByteArray("JFIF\0", 5))
    return std::nullopt;
  return JfifDensity{byte(13), byte(14) << 8 | byte(15), byte(16) << 8 | byte(17)};
}

TEST(PdfEngine, WritesAPageAsAJpegAt300Dpi) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("第3页.jpg"));
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  ASSERT_TRUE(Engine().writePageJpeg(3, 300, path.toStdString()));

  QImageReader reader(path);
  EXPECT_EQ(reader.format(), "jpeg");
  EXPECT_NEAR(reader.size().width(), kA3WidthAt300, 1);
  EXPECT_NEAR(reader.size().height(), kA3HeightAt300, 1);
  EXPECT_EQ(reader.size(), Engine().renderPage(3, 300).size());

  const std::optional<JfifDensity> density = ReadJfifDensity(test::ReadFileBytes(path));
  ASSERT_TRUE(density);
  EXPECT_EQ(density->units, 1);
  EXPECT_EQ(density->x, 300);
  EXPECT_EQ(density->y, 300);
}

TEST(PdfEngine, WritesNoJpegWhenThereIsNoPageOrNoPlace) {
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("page.jpg")).toStdString();
  ASSERT_EQ(Engine().load(SampleAtlas("16G101-1.pdf")), kPdfLoaded);
  EXPECT_FALSE(Engine().writePageJpeg(0, 300, path));
  EXPECT_FALSE(Engine().writePageJpeg(25, 300, path));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
  EXPECT_FALSE(Engine().writePageJpeg(1, 300, ""));
  EXPECT_FALSE(Engine().writePageJpeg(1, 300, dir.filePath(QStringLiteral("missing/page.jpg")).toStdString()));
}

}  // namespace
}  // namespace quillmoor
