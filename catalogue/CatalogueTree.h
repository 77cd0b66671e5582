#pragma once
// The catalogue tree: categories four levels deep, each with its atlases
// first and its sub-categories after. Items carry their data in named
// adapter columns that the item templates show and the handlers read back.

#include <QString>

#include <functional>
#include <string>

namespace quillmoor {

class CatalogueSources;
class UiTreeAdapter;

namespace column {
inline const QString kCategoryName = QStringLiteral("cate1");  // an item's text
inline const QString kCategoryId = QStringLiteral("cateid");
inline const QString kAtlasCode = QStringLiteral("bookcode");
inline const QString kAtlasTitle = QStringLiteral("bookname");
inline const QString kAtlasFile = QStringLiteral("bookfile");
inline const QString kAtlasTotal = QStringLiteral("booktotal");
inline const QString kAtlasId = QStringLiteral("bookid");
}  // namespace column

// Adds the catalogue columns to an empty adapter, in their order.
void AddCatalogueColumns(UiTreeAdapter& adapter);

// The file marks that precede an atlas code at category levels 3 and 4: a
// path is recorded, or none is. Neither says whether the file exists.
inline constexpr char kPathRecordedMark[] = "[√]";
inline constexpr char kNoPathMark[] = "[×]";

// Opens the sources and fills the adapter, whose columns are already added.
void BuildCatalogueTree(CatalogueSources& sources, UiTreeAdapter& adapter);

// Adds the atlas items of one category, at the end of `parent`'s children.
void AddAtlases(CatalogueSources& sources, UiTreeAdapter& adapter, int parent,
                const std::string& categoryId, int level);

// The handlers take an item without children for an atlas, an empty
// category included.
bool IsAtlasItem(const UiTreeAdapter& adapter, int item);

// Whether the build made the item as a category (it has a name or an id),
// whether or not it has children.
bool IsCategoryItem(const UiTreeAdapter& adapter, int item);

// Calls `visit` for every item in tree order (each item before its
// children), with its level: 1 for a top item.
void ForEachItem(const UiTreeAdapter& adapter, const std::function<void(int item, int level)>& visit);

}  // namespace quillmoor
