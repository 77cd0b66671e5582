#pragma once
// The checks every bad-file table makes in the running program: what
// selecting and opening an atlas of the catalogue says and does.

#include <QString>

namespace quillmoor::test {

class ProgramWindow;

// Selects the atlas of catalogue id `id`, then double-clicks it: the status
// line gives the hints for `file` (the file its item records; empty: none);
// an existing file opens at page 1, anything else leaves the viewer as it was.
void ExpectAtlasSelectAndOpen(ProgramWindow& program, const QString& id, const QString& file);

}  // namespace quillmoor::test
