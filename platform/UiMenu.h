#pragma once
// A popup menu whose choice is reported to its window as a MenuChoice event.

#include <QString>

class QMenu;
class QPoint;
class QWidget;

namespace quillmoor {

class UiMenu {
 public:
  UiMenu();
  ~UiMenu();
  UiMenu(const UiMenu&) = delete;
  UiMenu& operator=(const UiMenu&) = delete;

  void addItem(int id, const QString& text);
  // Shows the menu at a screen position and returns at once; the menu deletes
  // itself when it closes, and a chosen item reaches `window`'s MenuChoice handlers.
  void popup(QWidget* window, const QPoint& screenPoint);

 private:
  QMenu* menu_;
};

}  // namespace quillmoor
