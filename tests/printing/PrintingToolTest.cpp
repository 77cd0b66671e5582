// quillmoor-tool export-page and printers: the export and the print queues of
// the program, from the command line.

#include "platform/PdfEngine.h"
#include "tests/common/TestSupport.h"
#include "tests/printing/CupsTestServer.h"
#include "tests/printing/PrintedPdf.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>

namespace quillmoor {
namespace {

test::ProcessResult RunTool(const QStringList& args) {
  return test::runProcess(QDir(test::programDir()).filePath(QStringLiteral("quillmoor-tool")), args);
}

// The size of page 7 of the default atlas rendered by the engine at `dpi`.
QSize RenderedSize(double dpi) {
  PdfEngine& engine = PdfEngine::instance();
  if (engine.documentPath() != test::DefaultAtlasFile().toStdString())
    engine.load(test::DefaultAtlasFile().toStdString());
  return engine.renderPage(7, dpi).size();
}

class ExportPageTool : public testing::Test {
 protected:
  QString out(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
  QTemporaryDir dir_;
};

TEST_F(ExportPageTool, WritesThePageAtTheAskedResolution) {
  struct { const char* name; QStringList dpiArgs; double dpi; } cases[] = {
      {"default.jpg", {}, 300.0},
      {"draft.jpg", {QStringLiteral("--dpi"), QStringLiteral("150")}, 150.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const test::ProcessResult result = RunTool(QStringList{QStringLiteral("export-page"), test::DefaultAtlasFile(),
                                                           QStringLiteral("--page"), QStringLiteral("7"),
                                                           QStringLiteral("--out"), out(c.name)} +
                                               c.dpiArgs);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QImage picture(out(c.name));
    EXPECT_EQ(picture.size(), RenderedSize(c.dpi));
    EXPECT_EQ(std::lround(picture.dotsPerMeterX() * 0.0254), std::lround(c.dpi));
  }
}

struct ToolFailure {
  const char* name;
  QStringList args;  // after "export-page"; @OUT@ is the output file
};

class ExportPageToolFailure : public ExportPageTool, public testing::WithParamInterface<ToolFailure> {};

TEST_P(ExportPageToolFailure, SaysWhyInOneLineAndWritesNothing) {
  QStringList args{QStringLiteral("export-page")};
  for (const QString& a : GetParam().args)
    args << (a == QLatin1String("@ATLAS@") ? test::DefaultAtlasFile() : QString(a).replace("@DIR@", dir_.path()));
  const test::ProcessResult result = RunTool(args);
  EXPECT_NE(result.exitCode, 0);
  EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
  EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportPageToolFailure,
    testing::Values(
        ToolFailure{"PageZero", {"@ATLAS@", "--page", "0", "--out", "@DIR@/p.jpg"}},
        ToolFailure{"PastTheLastPage", {"@ATLAS@", "--page", "25", "--out", "@DIR@/p.jpg"}},
        ToolFailure{"NotAPdf", {"/etc/hostname", "--page", "1", "--out", "@DIR@/p.jpg"}},
        ToolFailure{"MissingFile", {"@DIR@/missing.pdf", "--page", "1", "--out", "@DIR@/p.jpg"}},
        ToolFailure{"NoOut", {"@ATLAS@", "--page", "1"}},
        ToolFailure{"NoPage", {"@ATLAS@", "--out", "@DIR@/p.jpg"}},
        ToolFailure{"BadDpi", {"@ATLAS@", "--page", "1", "--dpi", "-3", "--out", "@DIR@/p.jpg"}},
        ToolFailure{"TooLargeToRender", {"@ATLAS@", "--page", "1", "--dpi", "100000", "--out", "@DIR@/p.jpg"}},
        ToolFailure{"FolderMissing", {"@ATLAS@", "--page", "1", "--out", "@DIR@/no/such/p.jpg"}}),
    [](const testing::TestParamInfo<ToolFailure>& info) { return std::string(info.param.name); });

TEST(PrintersTool, ListsTheQueuesAsTheEngineDoes) {
  if (const QString why = test::CupsTestServerUnavailable(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
  test::CupsTestServer server;
  ASSERT_EQ(server.start(), QString());
  EXPECT_EQ(RunTool({QStringLiteral("printers")}).out, QByteArray());
  ASSERT_EQ(server.addPdfQueue(QStringLiteral("Alpha")), QString());
  ASSERT_EQ(server.addPdfQueue(QStringLiteral("Zeta")), QString());
  ASSERT_EQ(server.setDefaultQueue(QStringLiteral("Zeta")), QString());
  const test::ProcessResult result = RunTool({QStringLiteral("printers")});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, QByteArray("\"Zeta\"\n\"Alpha\"\n"));
}

}  // namespace
}  // namespace quillmoor
