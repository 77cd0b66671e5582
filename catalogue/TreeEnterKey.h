#pragma once
// Enter on the selected item of a tree does what a double-click does: an item
// with children expands or collapses, and the open handler runs. The key goes
// on to the tree as before.

#include <functional>

class QTreeView;

namespace quillmoor {

using ItemOpenHandler = std::function<void(int itemId)>;

// `tree` must show a UiTreeAdapter. The watcher lives as long as the tree.
void OpenOnEnterKey(QTreeView* tree, ItemOpenHandler handler);

}  // namespace quillmoor
