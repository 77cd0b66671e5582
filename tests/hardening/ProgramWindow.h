#pragma once
// The program started in-process on a data directory with its main window
// shown, and what a user does there in the bad-file tables: pick and open
// atlases in the catalogue, turn pages, save a path in the path editor.

#include "app/Startup.h"
#include "tests/patheditor/DialogDriving.h"

#include <QString>

#include <string>

class QTreeView;

namespace quillmoor::test {

// What the viewer shows.
struct ViewerShows {
  QString pageBox;
  QString pageCount;
  bool picture = false;
  int outlineRows = 0;
  bool operator==(const ViewerShows&) const = default;
};

class ProgramWindow {
 public:
  explicit ProgramWindow(const QString& dataDir);

  // Null state: start-up failed, see error().
  bool running() const { return started_.state != nullptr; }
  const QString& error() const { return started_.error; }
  AppState& state() { return *started_.state; }

  std::string catalogueText();
  std::string status();
  ViewerShows viewer();

  // The atlas item of catalogue id `id`, or 0 when the tree has none.
  int atlasWithId(const QString& id);
  void select(int item);
  void doubleClick(int item);
  void pressEnterOn(int item);
  // Next and Previous by button, End and Home by key.
  void turnPages();
  // Double-clicks the first `most` entries of the outline, as a reader
  // jumps to them.
  void openOutlineEntries(int most = 10);

  // Opens the path editor with the main window's button, fills in the id and
  // the path, saves and answers the message box; the editor is closed after.
  SeenMessage saveInPathEditor(const QString& id, const QString& path);

 private:
  QTreeView* tree();
  QPoint pointOf(int item);
  static void doubleClickAt(QTreeView* tree, const QModelIndex& index);
  void clickButton(int id);
  void pressKey(Qt::Key key);

  StartupResult started_;
  QWidget* window_ = nullptr;
};

}  // namespace quillmoor::test
