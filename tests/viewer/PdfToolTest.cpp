// quillmoor-tool's info and outline commands, run as the built program.

#include "tests/viewer/PdfTestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

namespace quillmoor {
namespace {

test::ProcessResult RunTool(const QStringList& args) {
  return test::runProcess(QDir(test::programDir()).filePath(QStringLiteral("quillmoor-tool")), args);
}

QString DefaultAtlas() { return QString::fromStdString(test::SampleAtlas("16G101-1.pdf")); }

TEST(PdfTool, InfoPrintsPageAndOutlineCounts) {
  const test::ProcessResult result = RunTool({QStringLiteral("info"), DefaultAtlas()});
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(result.out, "pages: 24\noutline: 34\n");
}

TEST(PdfTool, OutlinePrintsPageTabTitleInTheViewersOrder) {
  const test::ProcessResult result = RunTool({QStringLiteral("outline"), DefaultAtlas()});
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  const QStringList lines = QString::fromUtf8(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 34);
  EXPECT_EQ(lines[0], QStringLiteral("1\t第一部分 制图规则"));
  EXPECT_EQ(lines[1], QStringLiteral("1\t总则"));
  EXPECT_EQ(lines[3], QStringLiteral("2\t总则（二） 第2页"));
  EXPECT_EQ(lines[15], QStringLiteral("11\t第二部分 标准构造详图"));
  EXPECT_EQ(lines[33], QStringLiteral("24\t楼板钢筋构造（三） 第24页"));
}

TEST(PdfTool, FileThatDoesNotLoadGivesOneLineReasonAndFailure) {
  for (const QString& command : {QStringLiteral("info"), QStringLiteral("outline")}) {
    for (const char* fixture : {"encrypted.pdf", "no-such-file.pdf"}) {
      SCOPED_TRACE(command.toStdString() + " " + fixture);
      const test::ProcessResult result = RunTool({command, QString::fromStdString(test::PdfFixture(fixture))});
      ASSERT_TRUE(result.finished);
      EXPECT_NE(result.exitCode, 0);
      EXPECT_TRUE(result.out.isEmpty());
      EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
      EXPECT_TRUE(result.err.contains(fixture)) << result.err.toStdString();
    }
  }
}

}  // namespace
}  // namespace quillmoor
