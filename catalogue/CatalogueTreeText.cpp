#include "catalogue/CatalogueTreeText.h"

#include "catalogue/CatalogueTree.h"
#include "platform/UiTreeAdapter.h"

namespace quillmoor {
namespace {

std::string ItemLine(const UiTreeAdapter& adapter, int item) {
  const auto text = [&](const QString& column) { return adapter.itemText(item, column).toStdString(); };
  if (IsCategoryItem(adapter, item))
    return "C\t" + text(column::kCategoryName) + "\t" + text(column::kCategoryId);
  return "A\t" + text(column::kAtlasCode) + "\t" + text(column::kAtlasTitle) + "\t" +
         text(column::kAtlasFile) + "\t" + text(column::kAtlasId);
}

}  // namespace

std::string CatalogueTreeText(const UiTreeAdapter& adapter) {
  std::string lines;
  ForEachItem(adapter, [&](int item, int level) {
    lines += std::string(static_cast<std::size_t>(2 * (level - 1)), ' ') + ItemLine(adapter, item) + "\n";
  });
  return lines;
}

}  // namespace quillmoor
