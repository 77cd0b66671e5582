#include "data/ExcelWorkbook.h"

#include "data/IsolatedWorkbookReader.h"

#include <algorithm>

namespace quillmoor {

std::unique_ptr<ExcelWorkbook> ExcelWorkbook::Open(const std::string& path, std::string& error) {
  std::optional<WorkbookContent> content = ReadWorkbookIsolated(path, error);
  if (!content) return nullptr;
  if (content->sheets.empty()) {
    error = "工作簿中没有工作表：" + path;
    return nullptr;
  }
  return std::unique_ptr<ExcelWorkbook>(new ExcelWorkbook(std::move(*content)));
}

std::optional<SheetTable> ExcelWorkbook::ReadSheet(const std::string& name,
                                                   std::string& error) const {
  const auto sheet = std::find_if(content_.sheets.begin(), content_.sheets.end(),
                                  [&](const WorksheetContent& s) { return s.name == name; });
  if (sheet == content_.sheets.end()) {
    error = "找不到工作表：" + name;
    return std::nullopt;
  }
  return MakeSheetTable(sheet->rows);
}

}  // namespace quillmoor
