#pragma once
// One entry per fuzz target: each takes an input as bytes, feeds it to one
// layer the way a file from disk would reach it, and exercises what the
// program then does with the result. They return 0 whatever the input; a
// fault shows as a crash or a sanitizer report. The libFuzzer executables
// and the test suite's replay of kept inputs both call them.

#include <cstddef>
#include <cstdint>

namespace quillmoor::fuzz {

// The bytes as a PDF file: load, page count, outline, page 1 at a low resolution.
int PdfEngineInput(const std::uint8_t* data, std::size_t size);
// The bytes as the .xls path sheet: open, "[Sheet1$]", searches and field reads.
int SheetInput(const std::uint8_t* data, std::size_t size);
// The bytes as the UI archive: open with the resource password, read every entry.
int UiArchiveInput(const std::uint8_t* data, std::size_t size);
// First byte: search options; the rest a subject for the program's printer
// pattern, or "pattern NUL subject" when the options ask for a fuzzed pattern.
int RegexInput(const std::uint8_t* data, std::size_t size);

}  // namespace quillmoor::fuzz
