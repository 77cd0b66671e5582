#pragma once
// Reads every worksheet of an Excel 97-2003 workbook (.xls) with FreeXL in
// this process, checking every FreeXL result. FreeXL itself is not safe on
// every file: the program reads through ReadWorkbookIsolated instead.

#include "data/WorkbookContent.h"

#include <optional>
#include <string>

namespace quillmoor {

std::optional<WorkbookContent> ReadWithFreeXl(const std::string& path, std::string& error);

}  // namespace quillmoor
