#include "data/AdoConnection.h"
#include "data/AdoRecordSet.h"
#include "data/FreeXlReader.h"

#include "tests/common/TestSupport.h"
#include "tests/data/DataFixtures.h"

#include <gtest/gtest.h>

namespace quillmoor {
namespace {

std::string KeptSheet(const char* name) {
  return (test::sourceDir() + "/fuzz/regressions/sheet/").toStdString() + name;
}

// Found by fuzzing: a sheet whose dimensions claim 130 million rows had the
// reader allocate for every one of them until the time limit killed it.
TEST(FreeXlReader, ASheetLargerThanExcelAllowsIsRefused) {
  std::string error;
  EXPECT_FALSE(ReadWithFreeXl(KeptSheet("oversized-dimensions.xls"), error));
  EXPECT_NE(error.find("FreeXL错误"), std::string::npos) << error;
}

TEST(FreeXlReader, EmptyRowsAfterTheLastRecordAreLeftOut) {
  const std::string sheet =
      test::MakePathSheet("id\t文件名\n1\ta.pdf\n2\tb.pdf\n", {"--blank-rows", "50000"});
  std::string error;
  const std::optional<WorkbookContent> workbook = ReadWithFreeXl(sheet, error);
  ASSERT_TRUE(workbook) << error;
  ASSERT_EQ(workbook->sheets.size(), 1u);
  EXPECT_EQ(workbook->sheets[0].rows.size(), 3u);

  AdoConnection connection;
  ASSERT_TRUE(connection.OpenExcel(sheet));
  AdoRecordSet records;
  ASSERT_TRUE(records.OpenSource("[Sheet1$]", connection));
  ASSERT_TRUE(records.Find("id=2"));
  EXPECT_EQ(records.FieldText("文件名"), "b.pdf");
}

// Found by fuzzing: FreeXL reads past a buffer while opening this file. The
// read runs in a child process, so the program only learns that it failed.
TEST(FreeXlReader, AFileThatTripsFreeXlLeavesTheConnectionClosed) {
  AdoConnection connection;
  EXPECT_FALSE(connection.OpenExcel(KeptSheet("freexl-overread.xls")));
  EXPECT_NE(connection.ErrorText(), "");
}

}  // namespace
}  // namespace quillmoor
