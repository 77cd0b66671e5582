#include "data/SqliteDatabase.h"

#include "data/SqliteLibrary.h"

#include <filesystem>
#include <memory>

namespace quillmoor {

using sqlite_library::Connection;

namespace {

constexpr char kNoMessage[] = "获取信息失败！";
constexpr char kSuccessMessage[] = "not an error";

// Binds `values` to the placeholders of `statement`, runs it once and makes
// it ready for the next row.
bool RunWithValues(sqlite3_stmt* statement, const std::vector<std::string>& values) {
  int index = 1;
  for (const std::string& value : values) {
    if (sqlite3_bind_text(statement, index++, value.data(), static_cast<int>(value.size()),
                          SQLITE_STATIC) != SQLITE_OK)
      return false;
  }
  const int stepped = sqlite3_step(statement);
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  return stepped == SQLITE_DONE || stepped == SQLITE_ROW;
}

struct Finalize {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using PreparedStatement = std::unique_ptr<sqlite3_stmt, Finalize>;

// The first statement of `sql`; null when it does not compile or `sql` holds none.
PreparedStatement Prepare(SqliteConnection* connection, const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  if (connection) sqlite3_prepare_v2(Connection(connection), sql.c_str(), -1, &statement, nullptr);
  return PreparedStatement(statement);
}

}  // namespace

SqliteDatabase::~SqliteDatabase() { Close(); }

void SqliteDatabase::Close() {
  if (connection_) sqlite3_close_v2(Connection(connection_));
  connection_ = nullptr;
}

bool SqliteDatabase::OpenWithKey(const std::string& path, bool create, const std::string& key) {
  Close();
  const std::string file = path.empty() ? ":memory:" : path;
  std::error_code ignored;
  if (std::filesystem::exists(file, ignored)) create = false;
  const int flags = create ? (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) : SQLITE_OPEN_READWRITE;
  sqlite3* connection = nullptr;
  const int opened = sqlite3_open_v2(file.c_str(), &connection, flags, nullptr);
  // Even a failed open hands back a connection that carries the error text.
  connection_ = sqlite_library::Handle(connection);
  if (opened != SQLITE_OK || key.empty()) return false;
  const int keyLength = static_cast<int>(key.size());
  if (create) sqlite3_rekey(connection, key.data(), keyLength);
  sqlite3_key(connection, key.data(), keyLength);
  // Durable writes: a power cut during a save must not corrupt the catalogue.
  return Exec("PRAGMA synchronous = FULL");
}

std::string SqliteDatabase::ErrorText() const {
  const char* message = connection_ ? sqlite3_errmsg(Connection(connection_)) : nullptr;
  if (!message) return kNoMessage;
  const std::string text = message;
  return text == kSuccessMessage ? std::string() : text;
}

bool SqliteDatabase::Exec(const std::string& sql) {
  if (!connection_) return false;
  return sqlite3_exec(Connection(connection_), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SqliteDatabase::ExecWithValues(const std::string& sql,
                                    const std::vector<std::vector<std::string>>& rows) {
  const PreparedStatement statement = Prepare(connection_, sql);
  bool ok = statement != nullptr;
  for (auto row = rows.begin(); ok && row != rows.end(); ++row)
    ok = RunWithValues(statement.get(), *row);
  return ok;
}

bool SqliteDatabase::RecordExists(const std::string& table, const std::string& condition) {
  const PreparedStatement statement =
      Prepare(connection_, "Select * From " + table + " Where " + condition);
  return statement && sqlite3_step(statement.get()) == SQLITE_ROW;
}

}  // namespace quillmoor
