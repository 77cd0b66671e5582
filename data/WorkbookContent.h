#pragma once
// The cells of every worksheet of a workbook, and a flat byte form of them in
// which a reader process hands a workbook to the program.

#include "data/SheetTable.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmoor {

struct WorksheetContent {
  std::string name;
  std::vector<std::vector<SheetCell>> rows;  // all of one width
};

struct WorkbookContent {
  std::vector<WorksheetContent> sheets;
};

std::string Serialize(const WorkbookContent& workbook);

// Nothing when `bytes` is not exactly what Serialize writes.
std::optional<WorkbookContent> Deserialize(const std::string& bytes);

}  // namespace quillmoor
