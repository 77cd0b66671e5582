#pragma once
// The atlas path editor: a small modal window that records which PDF file
// belongs to an atlas id. It opens from the catalogue tree's context menu on
// an atlas, and from a button of the main window. The catalogue tree is not
// rebuilt after a save: the recorded path counts from the next start.

#include "catalogue/AtlasPathStore.h"

#include <QPointer>

#include <string>

class QLineEdit;
class QPoint;
class QTreeView;
class QWidget;

namespace quillmoor {

class SqliteDatabase;
class UiLayoutLoader;
class UiTreeAdapter;

// Items of the atlas context menu.
namespace path_menu {
inline constexpr int kAddPath = 201;
inline constexpr int kEditPath = 202;
}  // namespace path_menu

class PathEditor {
 public:
  // `mainWindow` receives the menu's choice; `database` is the open catalogue.
  PathEditor(const UiLayoutLoader& loader, SqliteDatabase& database, const UiTreeAdapter& catalogue,
             QWidget* mainWindow);

  // The right button was released at `point` (viewport coordinates) over the
  // catalogue tree: remembers the atlas under it and offers the menu there.
  void onTreeRightButtonUp(QTreeView* tree, const QPoint& point);

  // Builds and runs the editor; returns when it has closed.
  void openPathEditor();

  // The id of the atlas right-clicked last; empty after a category.
  const std::string& pendingBookId() const { return pendingBookId_; }

 private:
  void browse();
  void save();
  void report(PathSaveResult result);

  const UiLayoutLoader& loader_;
  SqliteDatabase& database_;
  const UiTreeAdapter& catalogue_;
  QPointer<QWidget> mainWindow_;
  std::string pendingBookId_;

  // While the editor is open.
  QPointer<QWidget> window_;
  QPointer<QLineEdit> idEdit_;
  QPointer<QLineEdit> pathEdit_;
};

}  // namespace quillmoor
