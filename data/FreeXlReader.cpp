#include "data/FreeXlReader.h"

#include <freexl.h>

#include <memory>
#include <new>
#include <variant>
#include <vector>

namespace quillmoor {

namespace {

struct CloseWorkbook {
  void operator()(const void* handle) const { freexl_close(handle); }
};
using FreeXlHandle = std::unique_ptr<const void, CloseWorkbook>;

std::string FreeXlFailure(const std::string& what, int code) {
  switch (code) {
    case FREEXL_FILE_NOT_FOUND:
      return what + "：文件不存在或无法读取";
    case FREEXL_INSUFFICIENT_MEMORY:
      return what + "：内存不足";
    default:
      return what + "：不是有效的Excel 97-2003工作簿（FreeXL错误 " + std::to_string(code) + "）";
  }
}

SheetCell ToSheetCell(const FreeXL_CellValue& value) {
  switch (value.type) {
    case FREEXL_CELL_INT:
      return static_cast<double>(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
      return value.value.double_value;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
      if (value.value.text_value) return std::string(value.value.text_value);
      return {};
    default:
      return {};
  }
}

// An Excel 97-2003 sheet ends at 65,536 rows and 256 columns; a damaged file
// may claim any size, which the reader would otherwise allocate for.
constexpr unsigned int kMaxSheetRows = 65536;
constexpr unsigned short kMaxSheetColumns = 256;

bool IsEmptyRow(const std::vector<SheetCell>& row) {
  for (const SheetCell& cell : row)
    if (!std::holds_alternative<std::monostate>(cell)) return false;
  return true;
}

// The cells of the sheet at `index`; FreeXL's failure code, or FREEXL_OK.
// Empty rows after the last filled one are left out: a sheet formatted far
// down holds nothing there, and the workbook stays small on its way to the
// program. The header row is always kept.
int ReadSheet(const void* handle, unsigned short index, WorksheetContent& sheet) {
  const char* name = nullptr;
  int status = freexl_get_worksheet_name(handle, index, &name);
  sheet.name = name ? name : "";
  // Reading a cell without a selected sheet crashes FreeXL: stop at any failure.
  if (status == FREEXL_OK) status = freexl_select_active_worksheet(handle, index);
  unsigned int rows = 0;
  unsigned short columns = 0;
  if (status == FREEXL_OK) status = freexl_worksheet_dimensions(handle, &rows, &columns);
  if (status != FREEXL_OK) return status;
  if (rows > kMaxSheetRows || columns > kMaxSheetColumns) return FREEXL_CRAFTED_FILE;
  std::size_t emptyRowsPending = 0;
  for (unsigned int r = 0; r < rows; ++r) {
    std::vector<SheetCell> row(columns);
    for (unsigned short c = 0; c < columns; ++c) {
      FreeXL_CellValue value;
      status = freexl_get_cell_value(handle, r, c, &value);
      if (status != FREEXL_OK) return status;
      row[c] = ToSheetCell(value);
    }
    if (r > 0 && IsEmptyRow(row)) {
      ++emptyRowsPending;
      continue;
    }
    sheet.rows.insert(sheet.rows.end(), emptyRowsPending, std::vector<SheetCell>(columns));
    emptyRowsPending = 0;
    sheet.rows.push_back(std::move(row));
  }
  return FREEXL_OK;
}

}  // namespace

std::optional<WorkbookContent> ReadWithFreeXl(const std::string& path, std::string& error) {
  const void* opened = nullptr;
  const int status = freexl_open(path.c_str(), &opened);
  FreeXlHandle handle(opened);  // to be closed even after a failed open
  // FreeXL 1.0.6 answers OK without a handle for some files it cannot parse.
  if (status != FREEXL_OK || !handle) {
    error = FreeXlFailure("无法打开工作簿 " + path, status);
    return std::nullopt;
  }
  unsigned int count = 0;
  if (const int counted = freexl_get_info(opened, FREEXL_BIFF_SHEET_COUNT, &count);
      counted != FREEXL_OK) {
    error = FreeXlFailure("无法读取工作表数目", counted);
    return std::nullopt;
  }
  WorkbookContent workbook;
  try {
    for (unsigned int index = 0; index < count && index <= 0xFFFF; ++index) {
      WorksheetContent& sheet = workbook.sheets.emplace_back();
      if (const int read = ReadSheet(opened, static_cast<unsigned short>(index), sheet);
          read != FREEXL_OK) {
        error = FreeXlFailure("无法读取工作表 " + sheet.name, read);
        return std::nullopt;
      }
    }
  } catch (const std::bad_alloc&) {
    error = "工作簿过大，内存不足：" + path;
    return std::nullopt;
  }
  return workbook;
}

}  // namespace quillmoor
