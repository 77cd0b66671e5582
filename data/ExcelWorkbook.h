#pragma once
// An Excel 97-2003 workbook (.xls), read whole when opened (through FreeXL, in
// a child process) and asked for its sheets by name.

#include "data/SheetTable.h"
#include "data/WorkbookContent.h"

#include <memory>
#include <optional>
#include <string>

namespace quillmoor {

class ExcelWorkbook {
 public:
  // The workbook, or null with `error` set: a missing, unreadable or damaged
  // file, or one without any worksheet.
  static std::unique_ptr<ExcelWorkbook> Open(const std::string& path, std::string& error);

  // The sheet of that name as a table, or nothing with `error` set.
  std::optional<SheetTable> ReadSheet(const std::string& name, std::string& error) const;

 private:
  explicit ExcelWorkbook(WorkbookContent content) : content_(std::move(content)) {}

  WorkbookContent content_;
};

}  // namespace quillmoor
