#pragma once
// Fixture files for the data-access tests, generated at test time with the
// project's own tools.

#include <QStringList>

#include <string>

namespace quillmoor::test {

// A path in the fixture folder that belongs to the running test, with the
// given ending; any file left there by an earlier run is removed.
std::string FixturePath(const std::string& ending);

void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);

// Writes `tsv` beside the sheet and turns it into an .xls with
// tools/make-path-sheet.py and `options`; returns the .xls path.
std::string MakePathSheet(const std::string& tsv, const QStringList& options = {},
                          const std::string& ending = ".xls");

// Creates a database file keyed with `key` and runs `sql` in it.
void MakeKeyedDatabase(const std::string& path, const std::string& key, const std::string& sql);

}  // namespace quillmoor::test
