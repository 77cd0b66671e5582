#pragma once
// The two editions of the program and the files and tables each one reads.

#include <string>

namespace quillmoor {

struct EditionFiles {
  std::string databaseFile;   // catalogue database, beside the program
  std::string atlasTable;
  std::string categoryTable;
  std::string pathSheetFile;  // atlas path sheet, beside the program
};

inline constexpr char kStructureEditionLabel[] = "结构版";
inline constexpr char kArchitectureEditionLabel[] = "建筑版";

// The edition label of this build ("结构版" or "建筑版").
std::string BuildEditionLabel();

// Files and tables for an edition label, compared byte for byte; a label that
// is neither edition gives all-empty names.
EditionFiles EditionFilesFor(const std::string& editionLabel);

// The edition label for a build-option name ("structure" or "architecture").
std::string EditionLabelForName(const std::string& name);

}  // namespace quillmoor
