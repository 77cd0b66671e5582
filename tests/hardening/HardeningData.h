#pragma once
// The data directory every bad-file table starts from, and what the program
// says about it: a keyed catalogue of one category three levels deep with two
// atlases (id 1 "16G101-2", id 2 "16G101-3"), a path sheet, and the default
// atlas. Each table then damages or replaces one of its files.

#include <QString>
#include <QStringList>

#include <string>

namespace quillmoor::test {

// A fresh data directory "catalogue-<name>-XXXXXX" with struct.dll, 结构.xls
// made from `sheet` (a TSV whose "@DIR@" stands for the directory and
// "@ATLASES@" for the sample atlases' folder) and a copy of the default atlas.
QString MakeDataDir(const QString& name, const std::string& sheet);

// The sound sheet: atlas 1 in the sample atlases' folder, atlas 2 not listed.
extern const char kSoundSheet[];

// Replaces 结构.xls in `dir` by the sheet tools/make-path-sheet.py makes of
// `sheet` with `options`; false when the script fails.
bool ReplacePathSheet(const QString& dir, const std::string& sheet, const QStringList& options = {});

// A sample atlas beside the program, e.g. "16G101-2".
QString SampleAtlasFile(const char* code);

// The tree the catalogue gives when the sheet gives these files for atlases
// 1 and 2 (empty: none recorded).
std::string ExpectedTree(const QString& atlas1File, const QString& atlas2File = {});
// Its lines down to the category of the atlases, for a catalogue without them.
std::string CategoriesOnlyTree();

// The status line: at start, and on selecting or opening an atlas with this
// id whose recorded file is `file` (empty: none recorded).
extern const char kStartStatus[];
std::string SelectionHint(const std::string& id, const QString& file);
std::string OpeningHint(const std::string& id, const QString& file);

}  // namespace quillmoor::test
