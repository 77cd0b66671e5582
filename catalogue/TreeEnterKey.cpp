#include "catalogue/TreeEnterKey.h"

#include "platform/UiTreeAdapter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTreeView>

#include <utility>

namespace quillmoor {
namespace {

class EnterKeyWatcher : public QObject {
 public:
  EnterKeyWatcher(QTreeView* tree, ItemOpenHandler handler)
      : QObject(tree), tree_(tree), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == tree_ && event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event)))
      openCurrent();
    return false;
  }

 private:
  static bool IsEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat();
  }

  void openCurrent() {
    const auto* adapter = qobject_cast<const UiTreeAdapter*>(tree_->model());
    const QModelIndex current = tree_->currentIndex();
    if (!adapter || !current.isValid()) return;
    if (adapter->rowCount(current) > 0) tree_->setExpanded(current, !tree_->isExpanded(current));
    handler_(adapter->itemAt(current));
  }

  QTreeView* tree_;
  ItemOpenHandler handler_;
};

}  // namespace

void OpenOnEnterKey(QTreeView* tree, ItemOpenHandler handler) {
  if (!tree || !handler) return;
  tree->installEventFilter(new EnterKeyWatcher(tree, std::move(handler)));
}

}  // namespace quillmoor
