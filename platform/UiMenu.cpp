#include "platform/UiMenu.h"

#include "platform/UiEvents.h"

#include <QMenu>
#include <QPointer>

namespace quillmoor {

UiMenu::UiMenu() : menu_(new QMenu) { menu_->setAttribute(Qt::WA_DeleteOnClose); }

UiMenu::~UiMenu() {
  if (menu_ && !menu_->isVisible()) delete menu_;
}

void UiMenu::addItem(int id, const QString& text) { menu_->addAction(text)->setData(id); }

void UiMenu::popup(QWidget* window, const QPoint& screenPoint) {
  QPointer<QWidget> target(window);
  QObject::connect(menu_, &QMenu::triggered, menu_, [target](QAction* action) {
    if (target) RaiseWindowEvent(target, EventRole::MenuChoice, UiEvent::forMenuItem(action->data().toInt()));
  });
  menu_->popup(screenPoint);
  menu_ = nullptr;  // owned by its own close from here on
}

}  // namespace quillmoor
