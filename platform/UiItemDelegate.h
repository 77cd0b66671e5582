#pragma once
// Paints tree items after their item templates: the tree's default template,
// or the one a chooser picks for an item.

#include "platform/UiItemTemplate.h"

#include <QStyledItemDelegate>

#include <functional>
#include <memory>

class QTreeView;

namespace quillmoor {

class UiTreeAdapter;

class UiItemDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using TemplatePtr = std::shared_ptr<const UiItemTemplate>;
  using Chooser = std::function<TemplatePtr(int itemId)>;

  explicit UiItemDelegate(QObject* parent = nullptr);

  void setDefaultTemplate(TemplatePtr itemTemplate) { default_ = std::move(itemTemplate); }
  // Called for each item as it is painted; a null result keeps the default.
  void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }
  TemplatePtr templateFor(const QModelIndex& index) const;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The delegate of a tree, created and installed on first use.
  static UiItemDelegate* of(QTreeView* tree);

 private:
  TemplatePtr default_;
  Chooser chooser_;
};

}  // namespace quillmoor
