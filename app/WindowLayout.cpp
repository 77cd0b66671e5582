#include "app/WindowLayout.h"

#include <QLayout>
#include <QWidget>

namespace quillmoor {

void AdjustLayout(QWidget* window) {
  if (!window) return;
  // findChildren lists a widget before its own children, so an outer layout
  // has placed an element before the element's layout places its content.
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* widget : widgets) {
    if (QLayout* layout = widget->layout()) layout->activate();
  }
}

}  // namespace quillmoor
