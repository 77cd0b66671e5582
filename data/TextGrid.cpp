#include "data/TextGrid.h"

#include <algorithm>

namespace quillmoor {

TextGrid::TextGrid(int rows, int columns) { Resize(rows, columns); }

void TextGrid::Resize(int rows, int columns) {
  rows_ = std::max(rows, 0);
  columns_ = std::max(columns, 0);
  if (rows_ == 0 || columns_ == 0) rows_ = columns_ = 0;
  // A fresh vector rather than clear(): the old texts and their memory go.
  std::vector<std::string>(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_))
      .swap(cells_);
}

const std::string& TextGrid::Text(int row, int column) const {
  static const std::string kEmpty;
  if (row < 1 || row > rows_ || column < 1 || column > columns_) return kEmpty;
  return cells_[Offset(row, column)];
}

}  // namespace quillmoor
