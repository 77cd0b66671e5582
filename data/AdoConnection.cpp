#include "data/AdoConnection.h"

#include "data/AsciiText.h"
#include "data/ExcelWorkbook.h"

namespace quillmoor {

namespace {

using ascii_text::Trimmed;

// The value of "Data Source" among the "name=value;" pairs, or "".
std::string DataSource(const std::string& connectionString) {
  std::size_t start = 0;
  while (start <= connectionString.size()) {
    std::size_t end = connectionString.find(';', start);
    if (end == std::string::npos) end = connectionString.size();
    const std::string pair = connectionString.substr(start, end - start);
    const auto equals = pair.find('=');
    if (equals != std::string::npos &&
        ascii_text::EqualIgnoringCase(Trimmed(pair.substr(0, equals)), "Data Source"))
      return Trimmed(pair.substr(equals + 1));
    start = end + 1;
  }
  return {};
}

}  // namespace

AdoConnection::AdoConnection() = default;
AdoConnection::~AdoConnection() = default;

bool AdoConnection::OpenExcel(const std::string& file) {
  workbook_.reset();
  errorText_.clear();
  workbook_ = ExcelWorkbook::Open(file, errorText_);
  return FetchError();
}

bool AdoConnection::OpenConnectionString(const std::string& connectionString,
                                         [[maybe_unused]] int cursorLocation) {
  const std::string file = DataSource(connectionString);
  if (file.empty()) {
    workbook_.reset();
    errorText_ = "连接字符串中没有数据源（Data Source）";
    return false;
  }
  return OpenExcel(file);
}

}  // namespace quillmoor
