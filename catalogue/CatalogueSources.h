#pragma once
// The two sources of the atlas catalogue, both in the data directory and both
// chosen by the edition: the keyed catalogue database (categories and
// atlases) and the atlas path sheet (where each atlas's PDF lies). The tree
// build calls OpenCatalogueDatabase, LoadTopCategories and OpenPathSheet
// first, then the queries level by level.

#include "catalogue/Edition.h"
#include "data/AdoConnection.h"
#include "data/AdoRecordSet.h"
#include "data/SqliteDatabase.h"
#include "data/SqliteStatement.h"
#include "data/TextGrid.h"

#include <string>

namespace quillmoor {

class CatalogueSources {
 public:
  // The category levels the tree shows.
  static constexpr int kLevels = 4;

  // `dataDir` holds the edition's files; `key` opens the catalogue database.
  CatalogueSources(const std::string& editionLabel, std::string dataDir, std::string key);

  // Opens the edition's catalogue database and binds the statement to it; a
  // failure goes to the diagnostics, and every later query then fails.
  void OpenCatalogueDatabase();
  void LoadTopCategories();
  // Opens the edition's path sheet when that file exists; silent otherwise.
  void OpenPathSheet();

  // Fills the atlas grid (id, title, code) with the atlases of a category in
  // their code2 order; its row count, header row included, or 0.
  int LoadAtlases(const std::string& categoryId);
  // Fills the grid of `level` (2 to 4) with the sub-categories of a parent.
  void LoadSubCategories(int level, const std::string& parentId);

  // The full path of an atlas's PDF from the path sheet: folder, separator,
  // file name. Empty when the sheet is closed, the id is not on it, or the
  // folder or the file name is empty.
  std::string AtlasPath(const std::string& atlasId);

  // Level 1 is the top category grid; columns sublibid, sublibname.
  const TextGrid& CategoryGrid(int level) const;
  const TextGrid& AtlasGrid() const { return atlasGrid_; }

  // The open catalogue database, for the atlas path editor.
  SqliteDatabase& Database() { return database_; }
  const EditionFiles& Files() const { return files_; }

 private:
  std::string DataFile(const std::string& name) const;
  static std::size_t GridIndex(int level);

  EditionFiles files_;
  std::string dataDir_;
  std::string key_;

  SqliteDatabase database_;
  SqliteStatement statement_;
  AdoConnection sheetConnection_;
  AdoRecordSet sheet_;

  TextGrid categoryGrids_[kLevels];  // levels 1 to 4
  TextGrid atlasGrid_;
};

}  // namespace quillmoor
