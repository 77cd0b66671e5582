#include "data/SheetTable.h"

#include <charconv>

namespace quillmoor {

std::string CellText(const SheetCell& cell) {
  if (const auto* text = std::get_if<std::string>(&cell)) return *text;
  if (const auto* number = std::get_if<double>(&cell)) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, *number);
    return std::string(buffer, written.ptr);
  }
  return {};
}

SheetTable MakeSheetTable(std::vector<std::vector<SheetCell>> rows) {
  SheetTable table;
  if (rows.empty()) return table;
  const std::vector<SheetCell>& header = rows.front();
  for (std::size_t c = 0; c < header.size(); ++c) {
    std::string name = CellText(header[c]);
    table.columnNames.push_back(name.empty() ? "F" + std::to_string(c + 1) : std::move(name));
  }
  table.records.reserve(rows.size() - 1);
  for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
    row->resize(header.size());
    table.records.push_back(std::move(*row));
  }
  return table;
}

}  // namespace quillmoor
