#pragma once
// One connection to a (keyed) SQLite database file: open with a key, run a
// statement, test for a row, read the library's error text. The connection is
// lent to SqliteStatement objects and closed when this object goes.

#include <string>
#include <vector>

namespace quillmoor {

// The library's connection as lent to statements; opaque outside the data layer.
class SqliteConnection;

class SqliteDatabase {
 public:
  SqliteDatabase() = default;
  ~SqliteDatabase();
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  // Opens `path` read-write (":memory:" when empty) and applies `key`. With
  // `create`, a missing file is created and given the key. The result is that
  // of the durability pragma run last, which is also the connection's first
  // read, so a wrong key fails here. An empty key opens but returns false.
  // Opening again closes the previous connection (and ends its loans).
  bool OpenWithKey(const std::string& path, bool create, const std::string& key);
  bool OpenWithKey(const std::string& path, const std::string& key) {
    return OpenWithKey(path, false, key);
  }

  // Null while no open was attempted.
  SqliteConnection* GetHandle() const { return connection_; }

  // The library's message for the last failure; empty after a success.
  std::string ErrorText() const;

  // Runs SQL (one or more statements) without reading results.
  bool Exec(const std::string& sql);

  // Runs one statement with `?` placeholders once per row of values, each
  // value bound as a text: quotes in values stay as they are and nothing is
  // spliced into the SQL. Stops at the first failing row.
  bool ExecWithValues(const std::string& sql, const std::vector<std::vector<std::string>>& rows);

  // True when "Select * From <table> Where <condition>" yields a row; a failing
  // query (a missing table, say) counts as no row.
  bool RecordExists(const std::string& table, const std::string& condition);

 private:
  void Close();

  SqliteConnection* connection_ = nullptr;
};

}  // namespace quillmoor
