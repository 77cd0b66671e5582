#pragma once
// The connection to the Excel path sheet: opening reads the workbook through
// FreeXL. Every operation records its error text, so success leaves it empty.

#include <memory>
#include <string>

namespace quillmoor {

class ExcelWorkbook;

class AdoConnection {
 public:
  AdoConnection();
  ~AdoConnection();
  AdoConnection(const AdoConnection&) = delete;
  AdoConnection& operator=(const AdoConnection&) = delete;

  // True when the last operation left no error text.
  bool FetchError() const { return errorText_.empty(); }
  const std::string& ErrorText() const { return errorText_; }

  // Opens an Excel 97-2003 workbook (.xls). A missing, damaged or sheetless
  // file leaves the connection closed.
  bool OpenExcel(const std::string& file);

  // The same from a connection string; only its "Data Source" is used. The
  // whole sheet is read into memory, so every cursor is a client-side one.
  bool OpenConnectionString(const std::string& connectionString, int cursorLocation = 3);

  bool IsOpen() const { return workbook_ != nullptr; }

  // The open workbook, shared with the record sets opened on it; null when closed.
  std::shared_ptr<ExcelWorkbook> GetObject() const { return workbook_; }

 private:
  std::shared_ptr<ExcelWorkbook> workbook_;
  std::string errorText_;
};

}  // namespace quillmoor
