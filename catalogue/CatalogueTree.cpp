#include "catalogue/CatalogueTree.h"

#include "catalogue/CatalogueSources.h"
#include "platform/UiTreeAdapter.h"

#include <string>

namespace quillmoor {
namespace {

constexpr int kFirstMarkedLevel = 3;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string AtlasCode(const std::string& code, const std::string& path, int level) {
  if (level < kFirstMarkedLevel) return code;
  return (path.empty() ? kNoPathMark : kPathRecordedMark) + code;
}

// Adds the categories of `grid` under `parent` at `level`, each followed by
// its atlases and (above the last level) its own sub-categories. Each level
// has a grid of its own, so a level's grid is refilled only once the one
// above has moved on to its next category.
void AddCategories(CatalogueSources& sources, UiTreeAdapter& adapter, int parent, int level) {
  const TextGrid& grid = sources.CategoryGrid(level);
  for (int row = 2; row <= grid.RowCount(); ++row) {
    const std::string& id = grid[row][1];
    const int item = adapter.insertItemText(Text(grid[row][2]), parent);
    adapter.setItemText(item, column::kCategoryId, Text(id));
    AddAtlases(sources, adapter, item, id, level);
    if (level == CatalogueSources::kLevels) continue;
    sources.LoadSubCategories(level + 1, id);
    AddCategories(sources, adapter, item, level + 1);
  }
}

}  // namespace

void AddCatalogueColumns(UiTreeAdapter& adapter) {
  for (const QString& name : {column::kCategoryName, column::kCategoryId, column::kAtlasCode, column::kAtlasTitle,
                              column::kAtlasFile, column::kAtlasTotal, column::kAtlasId})
    adapter.addColumn(name);
}

void BuildCatalogueTree(CatalogueSources& sources, UiTreeAdapter& adapter) {
  sources.OpenCatalogueDatabase();
  sources.LoadTopCategories();
  sources.OpenPathSheet();
  AddCategories(sources, adapter, UiTreeAdapter::kRoot, 1);
}

void AddAtlases(CatalogueSources& sources, UiTreeAdapter& adapter, int parent,
                const std::string& categoryId, int level) {
  const int rows = sources.LoadAtlases(categoryId);
  const TextGrid& grid = sources.AtlasGrid();
  for (int row = 2; row <= rows; ++row) {
    const std::string& id = grid[row][1];
    const int item = adapter.insertItemText(QString(), parent);
    const std::string path = sources.AtlasPath(id);
    adapter.setItemText(item, column::kAtlasCode, Text(AtlasCode(grid[row][3], path, level)));
    adapter.setItemText(item, column::kAtlasId, Text(id));
    adapter.setItemText(item, column::kAtlasTitle, Text(grid[row][2]));
    adapter.setItemText(item, column::kAtlasFile, Text(path));
  }
}

void ForEachItem(const UiTreeAdapter& adapter, const std::function<void(int item, int level)>& visit) {
  const std::function<void(int, int)> walk = [&](int parent, int level) {
    const QModelIndex parentIndex = adapter.indexOf(parent);
    for (int row = 0; row < adapter.rowCount(parentIndex); ++row) {
      const int item = adapter.itemAt(adapter.index(row, 0, parentIndex));
      visit(item, level);
      walk(item, level + 1);
    }
  };
  walk(UiTreeAdapter::kRoot, 1);
}

bool IsAtlasItem(const UiTreeAdapter& adapter, int item) {
  return adapter.firstChild(item) == UiTreeAdapter::kNoItem;
}

bool IsCategoryItem(const UiTreeAdapter& adapter, int item) {
  return !adapter.itemText(item, column::kCategoryName).isEmpty() ||
         !adapter.itemText(item, column::kCategoryId).isEmpty();
}

}  // namespace quillmoor
