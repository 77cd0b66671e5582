// The child-process reader with readers that misbehave in ways FreeXL does
// only on some files and machines: dying, hanging, answering much.

#include "data/IsolatedWorkbookReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace quillmoor {
namespace {

using namespace std::chrono_literals;

// Much more than a pipe holds at once, with every kind of cell.
WorkbookContent LargeWorkbook() {
  WorkbookContent workbook;
  workbook.sheets.push_back({"说明", {}});
  WorksheetContent& sheet = workbook.sheets.emplace_back();
  sheet.name = "Sheet1";
  sheet.rows.push_back({std::string("id"), std::string("图集所在文件夹"), std::string("文件名")});
  for (int id = 1; id <= 20000; ++id)
    sheet.rows.push_back({id + 0.5, SheetCell(), "/图集/" + std::to_string(id) + ".pdf"});
  return workbook;
}

const struct {
  const char* what;
  WorkbookReader reader;
  bool read;
  std::chrono::milliseconds timeLimit = 30s;
} kReaders[] = {
    {"answers a large workbook",
     [](const std::string&, std::string&) -> std::optional<WorkbookContent> {
       return LargeWorkbook();
     },
     true},
    {"fails with a reason",
     [](const std::string&, std::string& error) -> std::optional<WorkbookContent> {
       error = "坏文件";
       return std::nullopt;
     },
     false},
    {"dies",
     [](const std::string&, std::string&) -> std::optional<WorkbookContent> { std::abort(); },
     false},
    {"hangs",
     [](const std::string&, std::string&) -> std::optional<WorkbookContent> {
       std::this_thread::sleep_for(1h);
       return std::nullopt;
     },
     false, 500ms},
};

TEST(IsolatedWorkbookReader, OnlyACompleteAnswerCounts) {
  for (const auto& c : kReaders) {
    std::string error;
    const std::optional<WorkbookContent> workbook =
        ReadWorkbookIsolated("any.xls", error, c.reader, c.timeLimit);
    ASSERT_EQ(workbook.has_value(), c.read) << c.what;
    EXPECT_EQ(error.empty(), c.read) << c.what << ": " << error;
    if (workbook) {
      const WorkbookContent expected = LargeWorkbook();
      ASSERT_EQ(workbook->sheets.size(), expected.sheets.size());
      for (std::size_t s = 0; s < expected.sheets.size(); ++s) {
        EXPECT_EQ(workbook->sheets[s].name, expected.sheets[s].name);
        EXPECT_TRUE(workbook->sheets[s].rows == expected.sheets[s].rows) << s;
      }
    }
  }
}

TEST(IsolatedWorkbookReader, ReasonOfTheReaderIsPassedOn) {
  std::string error;
  ReadWorkbookIsolated("any.xls", error, kReaders[1].reader);
  EXPECT_EQ(error, "坏文件");
}

TEST(WorkbookContent, DamagedBytesAreRefused) {
  const std::string bytes = Serialize(LargeWorkbook());
  EXPECT_TRUE(Deserialize(bytes).has_value());
  for (const std::string& damaged :
       {bytes.substr(0, bytes.size() - 1), bytes + "x", std::string(), std::string(4, '\xFF')}) {
    EXPECT_FALSE(Deserialize(damaged).has_value()) << damaged.size();
  }
}

}  // namespace
}  // namespace quillmoor
