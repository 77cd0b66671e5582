#include "platform/UiEvents.h"

#include "platform/UiTreeAdapter.h"

#include <QAbstractButton>
#include <QItemSelectionModel>
#include <QTreeView>
#include <QWidget>

#include <vector>

namespace quillmoor {
namespace {

// Window-level handlers live in a child object of the window, so they go with it.
class WindowHandlers : public QObject {
 public:
  explicit WindowHandlers(QObject* window) : QObject(window) {
    setObjectName(QStringLiteral("quillmoor-window-handlers"));
  }
  std::vector<std::pair<EventRole, UiHandler>> handlers;
};

WindowHandlers* HandlersOf(QWidget* window, bool create) {
  auto* found = window->findChild<WindowHandlers*>(QStringLiteral("quillmoor-window-handlers"),
                                                   Qt::FindDirectChildrenOnly);
  if (!found && create) found = new WindowHandlers(window);
  return found;
}

UiTreeAdapter* AdapterOf(QTreeView* tree) {
  return tree ? qobject_cast<UiTreeAdapter*>(tree->model()) : nullptr;
}

bool RegisterTreeEvent(QTreeView* tree, EventRole role, UiHandler handler) {
  UiTreeAdapter* adapter = AdapterOf(tree);
  if (!adapter) return false;
  switch (role) {
    case EventRole::ItemSelected:
      QObject::connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, tree,
                       [adapter, handler](const QModelIndex& current) {
                         if (current.isValid()) handler(UiEvent::forItem(adapter->itemAt(current)));
                       });
      return true;
    case EventRole::ItemExpanded:
      // The view flips the expand state on a double-click itself; the handler
      // learns the state it flipped to.
      QObject::connect(tree, &QTreeView::doubleClicked, tree,
                       [tree, adapter, handler](const QModelIndex& index) {
                         handler(UiEvent::forItem(adapter->itemAt(index), tree->isExpanded(index)));
                       });
      return true;
    case EventRole::RightButtonUp:
      tree->setContextMenuPolicy(Qt::CustomContextMenu);
      QObject::connect(tree, &QWidget::customContextMenuRequested, tree,
                       [handler](const QPoint& point) { handler(UiEvent::forPoint(point)); });
      return true;
    default:
      return false;
  }
}

}  // namespace

bool RegisterEvent(QWidget* element, EventRole role, UiHandler handler) {
  if (!element || !handler) return false;
  if (role == EventRole::Click) {
    auto* button = qobject_cast<QAbstractButton*>(element);
    if (!button) return false;
    QObject::connect(button, &QAbstractButton::clicked, button, [handler] { handler({}); });
    return true;
  }
  if (role == EventRole::MenuChoice) {
    if (!element->isWindow()) return false;
    HandlersOf(element, true)->handlers.emplace_back(role, std::move(handler));
    return true;
  }
  return RegisterTreeEvent(qobject_cast<QTreeView*>(element), role, std::move(handler));
}

void RaiseWindowEvent(QWidget* window, EventRole role, const UiEvent& event) {
  if (!window) return;
  WindowHandlers* handlers = HandlersOf(window, false);
  if (!handlers) return;
  const auto copy = handlers->handlers;  // a handler may register more
  for (const auto& [r, handler] : copy) {
    if (r == role) handler(event);
  }
}

}  // namespace quillmoor
