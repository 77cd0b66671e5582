#pragma once
// Reads a workbook with FreeXL in a child process. FreeXL 1.0.6 reads past its
// buffers on some files (a text of more than about 16 kB, for one), and a file
// on disk must never bring the program down: whatever FreeXL does to a bad
// file ends the child at worst, and the program only sees "cannot read".

#include "data/FreeXlReader.h"
#include "data/WorkbookContent.h"

#include <chrono>
#include <optional>
#include <string>

namespace quillmoor {

using WorkbookReader = std::optional<WorkbookContent> (*)(const std::string& path,
                                                          std::string& error);

// Runs `reader` (FreeXL's, unless a test needs a reader that misbehaves) in a
// child process. Nothing, with `error` set, when the file cannot be read, the
// reader dies, or it takes longer than `timeLimit` (it is then killed).
std::optional<WorkbookContent> ReadWorkbookIsolated(
    const std::string& path, std::string& error, WorkbookReader reader = ReadWithFreeXl,
    std::chrono::milliseconds timeLimit = std::chrono::seconds(30));

}  // namespace quillmoor
