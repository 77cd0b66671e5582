#pragma once
// The outline panel: the open atlas's bookmarks as a flat list in the
// outline tree (element 28).

class QLineEdit;
class QTreeView;
class QWidget;

namespace quillmoor {

class DocumentSession;
class PageView;
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

// Lists the open document's outline entries at the root, in the engine's
// order, replacing whatever the tree held.
void fillOutline(UiTreeAdapter& adapter, const DocumentSession& session);

// Shows the page of an outline entry (its "pageno" column) and writes it into
// the page box.
void showOutlineEntry(const UiTreeAdapter& adapter, int itemId, DocumentSession& session,
                      PageView& pageView, QLineEdit* pageBox);

}  // namespace quillmoor
