#pragma once
// Elements of a loaded layout are found by the numeric identifier they carry
// in the dynamic property "elementId".

class QWidget;

namespace quillmoor {

inline constexpr char kElementIdProperty[] = "elementId";

// The element of `window` (the window itself included) with that identifier;
// null when the layout has none.
QWidget* FindElement(QWidget* window, int id);

template <typename T>
T* FindElementAs(QWidget* window, int id);

// The identifier an element carries; 0 when it carries none.
int ElementId(const QWidget* element);

}  // namespace quillmoor

#include <QWidget>

template <typename T>
T* quillmoor::FindElementAs(QWidget* window, int id) {
  return qobject_cast<T*>(FindElement(window, id));
}
