#pragma once
// A tree adapter: items in a hierarchy, each holding texts in named columns.
// An item's text is its first column. Items are known by ids above 0; the
// root is 0.

#include <QAbstractItemModel>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace quillmoor {

class UiTreeAdapter : public QAbstractItemModel {
  Q_OBJECT

 public:
  static constexpr int kRoot = 0;
  static constexpr int kNoItem = -1;
  static constexpr int kLast = -3;  // insertion position: after the parent's last child
  // Model role of the item id; the named columns follow from ColumnRole.
  static constexpr int ItemIdRole = Qt::UserRole + 1;
  static constexpr int ColumnRole = Qt::UserRole + 100;

  explicit UiTreeAdapter(QObject* parent = nullptr);

  void addColumn(const QString& name);
  const QStringList& columns() const { return columns_; }

  // Inserts an item with `text` in its first column under `parent` (kRoot for
  // a top item) at `position` (kLast, or a child index). kNoItem for a parent
  // that does not exist.
  int insertItemText(const QString& text, int parent = kRoot, int position = kLast);
  bool setItemText(int item, const QString& column, const QString& text);
  // The text of a named column; empty for an unknown item or column.
  QString itemText(int item, const QString& column) const;
  int firstChild(int item) const;
  int parentItem(int item) const;
  int childCount(int item) const;
  // The depth of an item: 1 for a top item, 0 for the root or an unknown id.
  int level(int item) const;
  void deleteAll();

  QModelIndex indexOf(int item) const;
  int itemAt(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  struct Item {
    int parent = kRoot;
    int row = 0;
    std::vector<int> children;
    std::vector<QString> texts;  // by column position
  };

  bool exists(int item) const { return item > 0 && item <= static_cast<int>(items_.size()); }
  Item& at(int item) { return items_[static_cast<size_t>(item - 1)]; }
  const Item& at(int item) const { return items_[static_cast<size_t>(item - 1)]; }
  const std::vector<int>& childrenOf(int item) const;

  QStringList columns_;
  QHash<QString, int> columnPositions_;
  std::vector<Item> items_;
  std::vector<int> rootChildren_;
};

}  // namespace quillmoor
