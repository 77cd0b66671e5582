#pragma once
// The outline panel: the open atlas's bookmarks as a flat list in the
// outline tree (element 28).

class QTreeView;
class QWidget;

namespace quillmoor {

class UiLayoutLoader;
class UiTreeAdapter;

inline constexpr int kOutlineTreeId = 28;

struct OutlineTree {
  QTreeView* tree = nullptr;
  UiTreeAdapter* adapter = nullptr;
};

// Element 28 of the main window with the item template "outline.xml" and a
// new adapter with the columns "title" and "pageno", in that order.
OutlineTree setUpOutlineTree(QWidget* mainWindow, const UiLayoutLoader& loader);

}  // namespace quillmoor
