#pragma once
// Runs queries over a connection borrowed from a SqliteDatabase and copies a
// whole result into a TextGrid at once. Never opens or closes the connection.

#include "data/TextGrid.h"

#include <string>

namespace quillmoor {

class SqliteConnection;
class SqliteDatabase;

class SqliteStatement {
 public:
  // Borrows the database's connection as it is now (null when none was
  // opened: the queries then fail). False only when the library is out of memory.
  bool BindDatabase(const SqliteDatabase& database);

  // Runs `sql` into `grid`: on success with rows, row 1 holds the column names
  // and rows 2.. the data, SQL NULL as the empty text; `rowCount` counts the
  // header row too. A query without rows gives true, an empty grid and 0; a
  // failure gives false, an empty grid and 0 (the database's ErrorText says why).
  bool QueryToGrid(const std::string& sql, TextGrid& grid, int* rowCount = nullptr,
                   int* columnCount = nullptr);

 private:
  SqliteConnection* connection_ = nullptr;
};

}  // namespace quillmoor
