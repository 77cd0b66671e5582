#pragma once
// A two-dimensional grid of texts, addressed [row][column] from 1 and stored
// row by row. Catalogue queries deliver their results in one, column names in
// row 1.

#include <string>
#include <vector>

namespace quillmoor {

class TextGrid {
 public:
  // One row of the grid; [column] counts from 1.
  template <typename Text>
  class RowOf {
   public:
    explicit RowOf(Text* first) : first_(first) {}
    Text& operator[](int column) const { return first_[column - 1]; }

   private:
    Text* first_;
  };

  TextGrid() = default;
  TextGrid(int rows, int columns);

  // Gives the grid new dimensions; every previous text is discarded and every
  // cell is empty afterwards. Negative sizes count as 0.
  void Resize(int rows, int columns);
  void Clear() { Resize(0, 0); }

  int RowCount() const { return rows_; }
  int ColumnCount() const { return columns_; }
  bool IsEmpty() const { return cells_.empty(); }

  // Unchecked access: row within 1..RowCount(), column within 1..ColumnCount().
  RowOf<std::string> operator[](int row) { return RowOf<std::string>(RowStart(row)); }
  RowOf<const std::string> operator[](int row) const {
    return RowOf<const std::string>(RowStart(row));
  }

  // Checked read: the empty text outside the grid.
  const std::string& Text(int row, int column) const;

 private:
  std::string* RowStart(int row) { return cells_.data() + Offset(row, 1); }
  const std::string* RowStart(int row) const { return cells_.data() + Offset(row, 1); }
  std::size_t Offset(int row, int column) const {
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column - 1);
  }

  int rows_ = 0;
  int columns_ = 0;
  std::vector<std::string> cells_;
};

}  // namespace quillmoor
