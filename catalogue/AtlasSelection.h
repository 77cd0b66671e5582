#pragma once
// What selecting and double-clicking items of the catalogue tree do: a hint
// about an atlas's file in the status line on selection; on double-click the
// atlas opens in the viewer at page 1, or the hint says why it cannot.
// Category items are left to the tree: they expand and collapse, no hint.

#include <functional>
#include <string>

class QLineEdit;

namespace quillmoor {

class DocumentSession;
class PageView;
class UiTreeAdapter;

// Writes a one-line hint into the status line.
using StatusSink = std::function<void(const std::string& text)>;

// The viewer parts that opening an atlas refreshes.
struct AtlasViewer {
  DocumentSession* session = nullptr;
  PageView* pageView = nullptr;
  QLineEdit* pageBox = nullptr;
  QLineEdit* pageCountBox = nullptr;
  UiTreeAdapter* outline = nullptr;
};

class AtlasSelection {
 public:
  AtlasSelection(const UiTreeAdapter& catalogue, AtlasViewer viewer, StatusSink status);

  // The selected item changed.
  void onItemSelected(int item);
  // An item was double-clicked (or Enter was pressed on it).
  void onItemOpened(int item);

 private:
  struct AtlasFile {
    std::string path;  // empty: none recorded
    std::string id;
  };
  AtlasFile fileOf(int item) const;
  void openInViewer(const std::string& path);

  const UiTreeAdapter& catalogue_;
  AtlasViewer viewer_;
  StatusSink status_;
};

}  // namespace quillmoor
