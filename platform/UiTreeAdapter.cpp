#include "platform/UiTreeAdapter.h"

namespace quillmoor {

UiTreeAdapter::UiTreeAdapter(QObject* parent) : QAbstractItemModel(parent) {}

void UiTreeAdapter::addColumn(const QString& name) {
  if (columnPositions_.contains(name)) return;
  columnPositions_.insert(name, static_cast<int>(columns_.size()));
  columns_ << name;
}

const std::vector<int>& UiTreeAdapter::childrenOf(int item) const {
  return item == kRoot ? rootChildren_ : at(item).children;
}

int UiTreeAdapter::insertItemText(const QString& text, int parent, int position) {
  if (parent != kRoot && !exists(parent)) return kNoItem;
  const int count = static_cast<int>(childrenOf(parent).size());
  const int row = (position < 0 || position > count) ? count : position;
  beginInsertRows(indexOf(parent), row, row);
  Item item;
  item.parent = parent;
  item.row = row;
  item.texts.resize(static_cast<size_t>(std::max<qsizetype>(1, columns_.size())));
  item.texts[0] = text;
  items_.push_back(std::move(item));
  const int id = static_cast<int>(items_.size());
  std::vector<int>& siblings = parent == kRoot ? rootChildren_ : at(parent).children;
  siblings.insert(siblings.begin() + row, id);
  for (size_t i = static_cast<size_t>(row) + 1; i < siblings.size(); ++i) at(siblings[i]).row = static_cast<int>(i);
  endInsertRows();
  return id;
}

bool UiTreeAdapter::setItemText(int item, const QString& column, const QString& text) {
  const auto position = columnPositions_.constFind(column);
  if (!exists(item) || position == columnPositions_.constEnd()) return false;
  std::vector<QString>& texts = at(item).texts;
  if (texts.size() <= static_cast<size_t>(*position)) texts.resize(static_cast<size_t>(*position) + 1);
  texts[static_cast<size_t>(*position)] = text;
  const QModelIndex index = indexOf(item);
  emit dataChanged(index, index);
  return true;
}

QString UiTreeAdapter::itemText(int item, const QString& column) const {
  const auto position = columnPositions_.constFind(column);
  if (!exists(item) || position == columnPositions_.constEnd()) return {};
  const std::vector<QString>& texts = at(item).texts;
  return static_cast<size_t>(*position) < texts.size() ? texts[static_cast<size_t>(*position)] : QString();
}

int UiTreeAdapter::firstChild(int item) const {
  if (item != kRoot && !exists(item)) return kNoItem;
  const std::vector<int>& children = childrenOf(item);
  return children.empty() ? kNoItem : children.front();
}

int UiTreeAdapter::parentItem(int item) const { return exists(item) ? at(item).parent : kNoItem; }

int UiTreeAdapter::childCount(int item) const {
  if (item != kRoot && !exists(item)) return 0;
  return static_cast<int>(childrenOf(item).size());
}

int UiTreeAdapter::level(int item) const {
  int depth = 0;
  for (int i = item; exists(i); i = at(i).parent) ++depth;
  return depth;
}

void UiTreeAdapter::deleteAll() {
  beginResetModel();
  items_.clear();
  rootChildren_.clear();
  endResetModel();
}

QModelIndex UiTreeAdapter::indexOf(int item) const {
  if (!exists(item)) return {};
  return createIndex(at(item).row, 0, static_cast<quintptr>(item));
}

int UiTreeAdapter::itemAt(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != this) return kNoItem;
  return static_cast<int>(index.internalId());
}

QModelIndex UiTreeAdapter::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  const int parentId = parent.isValid() ? itemAt(parent) : kRoot;
  if (parentId != kRoot && !exists(parentId)) return {};
  const std::vector<int>& children = childrenOf(parentId);
  if (static_cast<size_t>(row) >= children.size()) return {};
  return createIndex(row, 0, static_cast<quintptr>(children[static_cast<size_t>(row)]));
}

QModelIndex UiTreeAdapter::parent(const QModelIndex& child) const {
  const int item = itemAt(child);
  return exists(item) ? indexOf(at(item).parent) : QModelIndex();
}

int UiTreeAdapter::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() && parent.column() != 0) return 0;
  return childCount(parent.isValid() ? itemAt(parent) : kRoot);
}

int UiTreeAdapter::columnCount(const QModelIndex&) const { return 1; }

QVariant UiTreeAdapter::data(const QModelIndex& index, int role) const {
  const int item = itemAt(index);
  if (!exists(item)) return {};
  const std::vector<QString>& texts = at(item).texts;
  if (role == Qt::DisplayRole) return texts.empty() ? QString() : texts.front();
  if (role == ItemIdRole) return item;
  const int column = role - ColumnRole;
  if (column >= 0 && static_cast<size_t>(column) < texts.size()) return texts[static_cast<size_t>(column)];
  return {};
}

}  // namespace quillmoor
