// The sample atlases' pages can be told apart by their text: every sheet's
// title holds "第N页", its title block the atlas code.

#include "tests/viewer/PdfTestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmoor {
namespace {

QString PageText(const std::string& file, int page) {
  const QString number = QString::number(page);
  const test::ProcessResult result = test::runProcess(
      QStringLiteral("pdftotext"),
      {QStringLiteral("-f"), number, QStringLiteral("-l"), number, QString::fromStdString(file), QStringLiteral("-")});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  return QString::fromUtf8(result.out);
}

TEST(SampleAtlas, EachSheetNamesItsOwnPage) {
  const std::string atlas = test::SampleAtlas("16G101-1.pdf");
  for (int page : {1, 7, 17, 24}) {
    SCOPED_TRACE(page);
    const QString text = PageText(atlas, page);
    EXPECT_TRUE(text.contains(QStringLiteral("第%1页").arg(page)));
    EXPECT_TRUE(text.contains(QStringLiteral("16G101-1")));
    for (int other : {1, 7, 17, 24}) {
      if (other != page) {
        EXPECT_FALSE(text.contains(QStringLiteral("第%1页").arg(other))) << other;
      }
    }
  }
}

}  // namespace
}  // namespace quillmoor
