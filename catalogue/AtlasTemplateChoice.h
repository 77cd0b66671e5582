#pragma once
// The item template of each catalogue item: categories keep the tree's
// default one; atlases get the atlas template, greyed when no file is
// recorded for them, so the eye sees at once which atlases can be opened.

#include "platform/UiItemDelegate.h"

namespace quillmoor {

class UiTreeAdapter;

// A chooser for UiItemDelegate::setChooser. A null template keeps the default.
UiItemDelegate::Chooser AtlasTemplateChooser(const UiTreeAdapter& catalogue,
                                             UiItemDelegate::TemplatePtr withFile,
                                             UiItemDelegate::TemplatePtr withoutFile);

}  // namespace quillmoor
