#include "platform/UiItemDelegate.h"

#include "platform/UiTreeAdapter.h"

#include <QApplication>
#include <QPainter>
#include <QTreeView>

namespace quillmoor {
namespace {

constexpr int kPadding = 4;
constexpr int kFieldGap = 8;

struct MarkSplit {
  QString mark;
  QString rest;
};

MarkSplit SplitMark(const QString& text) {
  for (const QString& mark : {QStringLiteral("[√]"), QStringLiteral("[×]")}) {
    if (text.startsWith(mark)) return {mark, text.mid(mark.size())};
  }
  return {{}, text};
}

QString FieldText(const QModelIndex& index, const UiTemplateField& field) {
  const auto* adapter = qobject_cast<const UiTreeAdapter*>(index.model());
  return adapter ? adapter->itemText(adapter->itemAt(index), field.column) : index.data().toString();
}

}  // namespace

UiItemDelegate::UiItemDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

UiItemDelegate* UiItemDelegate::of(QTreeView* tree) {
  if (auto* delegate = qobject_cast<UiItemDelegate*>(tree->itemDelegate())) return delegate;
  auto* delegate = new UiItemDelegate(tree);
  tree->setItemDelegate(delegate);
  return delegate;
}

UiItemDelegate::TemplatePtr UiItemDelegate::templateFor(const QModelIndex& index) const {
  if (chooser_) {
    const auto* adapter = qobject_cast<const UiTreeAdapter*>(index.model());
    if (TemplatePtr chosen = chooser_(adapter ? adapter->itemAt(index) : UiTreeAdapter::kNoItem))
      return chosen;
  }
  return default_;
}

QSize UiItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const TemplatePtr itemTemplate = templateFor(index);
  if (!itemTemplate) return QStyledItemDelegate::sizeHint(option, index);
  int width = kPadding;
  if (!itemTemplate->image.isNull()) width += itemTemplate->image.width() + kPadding;
  for (const UiTemplateField& field : itemTemplate->fields) {
    QFont font = option.font;
    font.setBold(field.bold);
    width += std::max(field.width, QFontMetrics(font).horizontalAdvance(FieldText(index, field))) + kFieldGap;
  }
  return {width, itemTemplate->height};
}

void UiItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  const TemplatePtr itemTemplate = templateFor(index);
  if (!itemTemplate) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem panel = option;
  initStyleOption(&panel, index);
  panel.text.clear();
  panel.icon = QIcon();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, widget);

  painter->save();
  QRect area = option.rect.adjusted(kPadding, 0, -kPadding, 0);
  if (!itemTemplate->image.isNull()) {
    const QPixmap& image = itemTemplate->image;
    painter->drawPixmap(area.left(), area.top() + (area.height() - image.height()) / 2, image);
    area.setLeft(area.left() + image.width() + kPadding);
  }
  // The selection is a light tint, so the template's colours stay readable on it.
  const QColor normal = option.palette.color(QPalette::Text);
  for (const UiTemplateField& field : itemTemplate->fields) {
    if (area.width() <= 0) break;
    QFont font = option.font;
    font.setBold(field.bold);
    painter->setFont(font);
    const QFontMetrics metrics(font);
    MarkSplit split = field.marks ? SplitMark(FieldText(index, field)) : MarkSplit{{}, FieldText(index, field)};
    int used = 0;
    if (!split.mark.isEmpty()) {
      const bool present = split.mark == QStringLiteral("[√]");
      const QColor markColor = present ? field.presentColor : field.missingColor;
      painter->setPen(markColor.isValid() ? markColor : normal);
      painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, split.mark);
      used = metrics.horizontalAdvance(split.mark) + 2;
    }
    painter->setPen(field.color.isValid() ? field.color : normal);
    const QRect textArea = area.adjusted(used, 0, 0, 0);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(split.rest, Qt::ElideRight, textArea.width()));
    const int width = std::max(field.width, used + metrics.horizontalAdvance(split.rest));
    area.setLeft(area.left() + width + kFieldGap);
  }
  painter->restore();
}

}  // namespace quillmoor
