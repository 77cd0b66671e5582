#include "data/SqliteStatement.h"

#include "data/SqliteLibrary.h"

namespace quillmoor {

using sqlite_library::Connection;

namespace {

void SetIfGiven(int* out, int value) {
  if (out) *out = value;
}

// The library's result table holds the column names first, then the data,
// row by row.
void CopyResultTable(char** table, int rows, int columns, TextGrid& grid) {
  grid.Resize(rows, columns);
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c)
      grid[r][c] = sqlite_library::Text(table[(r - 1) * columns + (c - 1)]);
  }
}

}  // namespace

bool SqliteStatement::BindDatabase(const SqliteDatabase& database) {
  connection_ = database.GetHandle();
  return !connection_ || sqlite3_errcode(Connection(connection_)) != SQLITE_NOMEM;
}

bool SqliteStatement::QueryToGrid(const std::string& sql, TextGrid& grid, int* rowCount,
                                  int* columnCount) {
  grid.Clear();
  SetIfGiven(rowCount, 0);
  SetIfGiven(columnCount, 0);
  if (!connection_) return false;
  char** table = nullptr;
  int rows = 0;
  int columns = 0;
  if (sqlite3_get_table(Connection(connection_), sql.c_str(), &table, &rows, &columns, nullptr) !=
      SQLITE_OK)
    return false;
  if (rows > 0 && columns > 0) {
    CopyResultTable(table, rows + 1, columns, grid);
    SetIfGiven(rowCount, rows + 1);
    SetIfGiven(columnCount, columns);
  }
  sqlite3_free_table(table);
  return true;
}

}  // namespace quillmoor
