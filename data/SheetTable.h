#pragma once
// The content of one worksheet as a table: the first row gives the column
// names, every further row is a record.

#include <string>
#include <variant>
#include <vector>

namespace quillmoor {

// An empty cell, a number, or a text (UTF-8). Dates and times arrive as texts.
using SheetCell = std::variant<std::monostate, double, std::string>;

struct SheetTable {
  std::vector<std::string> columnNames;
  std::vector<std::vector<SheetCell>> records;  // each as wide as columnNames
};

// A cell as text: empty cells give "", numbers their shortest exact form
// ("5", not "5.0"; "0.1", "1e+20").
std::string CellText(const SheetCell& cell);

// Builds the table from the sheet's rows: header cells become the column names
// (an empty one is named "F" + its column number), records are padded to width.
SheetTable MakeSheetTable(std::vector<std::vector<SheetCell>> rows);

}  // namespace quillmoor
