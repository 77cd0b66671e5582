#include "platform/UiElements.h"

#include <QVariant>

namespace quillmoor {

int ElementId(const QWidget* element) {
  return element ? element->property(kElementIdProperty).toInt() : 0;
}

QWidget* FindElement(QWidget* window, int id) {
  if (!window || id == 0) return nullptr;
  if (ElementId(window) == id) return window;
  const QList<QWidget*> children = window->findChildren<QWidget*>();
  for (QWidget* child : children) {
    if (ElementId(child) == id) return child;
  }
  return nullptr;
}

}  // namespace quillmoor
