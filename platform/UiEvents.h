#pragma once
// Handlers are attached to elements by event role. The roles keep the
// numbers the program's handlers were first written against.

#include <QPoint>

#include <functional>

class QObject;
class QWidget;

namespace quillmoor {

enum class EventRole : int {
  RightButtonUp = 13,      // an element: the right button released over it
  Click = 34,              // a button: clicked
  TemplateMade = 121,      // a tree: an item's template is about to be chosen
  TemplateDone = 122,      // a tree: an item's template has been chosen
  TemplateDestroyed = 123,
  TemplateAdjusted = 124,
  ItemSelected = 126,      // a tree: the current item changed
  ItemExpanded = 127,      // a tree: an item was double-clicked (its expand state flips)
  MenuChoice = 28685,      // a window: an item of a popup menu it owns was chosen
};

struct UiEvent {
  int itemId = 0;      // tree events
  bool expanded = false;
  QPoint point;        // RightButtonUp: in the element's client (viewport) coordinates
  int menuItemId = 0;  // MenuChoice

  static UiEvent forItem(int itemId, bool expanded = false) {
    UiEvent e;
    e.itemId = itemId;
    e.expanded = expanded;
    return e;
  }
  static UiEvent forPoint(QPoint point) {
    UiEvent e;
    e.point = point;
    return e;
  }
  static UiEvent forMenuItem(int menuItemId) {
    UiEvent e;
    e.menuItemId = menuItemId;
    return e;
  }
};

using UiHandler = std::function<void(const UiEvent&)>;

// Attaches `handler` to the role on `element`. False when the element cannot
// raise that role (a tree role on something that is not an adapter tree, a
// click on something that is not a button).
bool RegisterEvent(QWidget* element, EventRole role, UiHandler handler);

// Raises a window's MenuChoice handlers; the popup menus call it.
void RaiseWindowEvent(QWidget* window, EventRole role, const UiEvent& event);

}  // namespace quillmoor
