#include "catalogue/AtlasTemplateChoice.h"

#include "catalogue/CatalogueTree.h"
#include "platform/UiTreeAdapter.h"

namespace quillmoor {

UiItemDelegate::Chooser AtlasTemplateChooser(const UiTreeAdapter& catalogue,
                                             UiItemDelegate::TemplatePtr withFile,
                                             UiItemDelegate::TemplatePtr withoutFile) {
  return [&catalogue, withFile, withoutFile](int item) -> UiItemDelegate::TemplatePtr {
    // An empty category is a leaf too, but it keeps the category look: the
    // atlas templates would show it without its name.
    if (!IsAtlasItem(catalogue, item) || IsCategoryItem(catalogue, item)) return nullptr;
    const bool hasFile = !catalogue.itemText(item, column::kAtlasFile).isEmpty();
    return hasFile || !withoutFile ? withFile : withoutFile;
  };
}

}  // namespace quillmoor
