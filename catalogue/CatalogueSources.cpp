#include "catalogue/CatalogueSources.h"

#include "catalogue/AtlasPathStore.h"
#include "catalogue/FileTest.h"
#include "util/DiagnosticOutput.h"

#include <algorithm>
#include <utility>

namespace quillmoor {
namespace {

constexpr char kSheetSource[] = "[Sheet1$]";
constexpr char kFolderField[] = "图集所在文件夹";
constexpr char kFileNameField[] = "文件名";
constexpr char kPathSeparator[] = "/";
// Every atlas query scans the atlas table; with the library's default cache
// (2 MB) a large catalogue no longer fits, and each scan reads and decrypts
// the whole table again. 64 MB holds 20,000 atlases many times over and is
// only taken as pages are read.
constexpr char kKeepCatalogueInCache[] = "PRAGMA cache_size = -65536";

// Category ids come from the catalogue file and go into its queries unquoted:
// an id that is not a plain number could be a statement of its own (the
// library runs every statement of a query text), so it is not queried, and
// its category shows without children.
bool IsQueryableId(const std::string& id) { return IsAtlasId(id); }

}  // namespace

CatalogueSources::CatalogueSources(const std::string& editionLabel, std::string dataDir,
                                   std::string key)
    : files_(EditionFilesFor(editionLabel)), dataDir_(std::move(dataDir)), key_(std::move(key)) {}

std::string CatalogueSources::DataFile(const std::string& name) const {
  return name.empty() ? std::string() : dataDir_ + kPathSeparator + name;
}

void CatalogueSources::OpenCatalogueDatabase() {
  const std::string path = DataFile(files_.databaseFile);
  // An unknown edition has no database; an empty path would open an
  // in-memory one instead of failing.
  if (path.empty() || !database_.OpenWithKey(path, key_))
    DiagnosticOutput("数据库连接失败！" + database_.ErrorText());
  else
    database_.Exec(kKeepCatalogueInCache);
  statement_.BindDatabase(database_);
}

void CatalogueSources::LoadTopCategories() {
  if (!statement_.QueryToGrid(
          "select sublibid,sublibname from " + files_.categoryTable + " where upsublibid=''",
          categoryGrids_[0]))
    DiagnosticOutput("取表内容失败！" + database_.ErrorText());
}

void CatalogueSources::OpenPathSheet() {
  const std::string path = DataFile(files_.pathSheetFile);
  if (path.empty() || !IsRegularFile(path)) return;
  if (!sheetConnection_.OpenExcel(path)) return;
  sheet_.OpenSource(kSheetSource, sheetConnection_);
}

int CatalogueSources::LoadAtlases(const std::string& categoryId) {
  int rowCount = 0;
  atlasGrid_.Clear();
  if (!IsQueryableId(categoryId)) return rowCount;
  statement_.QueryToGrid("select id,title,code from " + files_.atlasTable + " where ClassID=" +
                             categoryId + " order by code2",
                         atlasGrid_, &rowCount);
  return rowCount;
}

void CatalogueSources::LoadSubCategories(int level, const std::string& parentId) {
  TextGrid& grid = categoryGrids_[GridIndex(level)];
  grid.Clear();
  if (!IsQueryableId(parentId)) return;
  const std::string select =
      "select sublibid,sublibname from " + files_.categoryTable + " where upsublibid=" + parentId;
  statement_.QueryToGrid(level == 2 ? select + "  " : select + " order by sublibname asc", grid);
}

std::string CatalogueSources::AtlasPath(const std::string& atlasId) {
  if (!sheetConnection_.IsOpen()) return {};
  std::string path;
  if (sheet_.Find("id=" + atlasId)) {
    const std::string folder = sheet_.FieldText(kFolderField);
    const std::string fileName = sheet_.FieldText(kFileNameField);
    if (!folder.empty() && !fileName.empty()) path = folder + kPathSeparator + fileName;
  }
  sheet_.MoveFirst();
  return path;
}

std::size_t CatalogueSources::GridIndex(int level) {
  return static_cast<std::size_t>(std::clamp(level, 1, kLevels) - 1);
}

const TextGrid& CatalogueSources::CategoryGrid(int level) const {
  return categoryGrids_[GridIndex(level)];
}

}  // namespace quillmoor
