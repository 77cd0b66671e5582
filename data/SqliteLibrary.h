#pragma once
// SQLCipher's C API for the two SQLite wrappers, and the casts between the
// opaque handle they lend out and the library's connection. Included by
// data/*.cpp only: nothing outside the data layer sees a library type.

#ifndef SQLITE_HAS_CODEC
#define SQLITE_HAS_CODEC 1  // declares sqlite3_key and sqlite3_rekey
#endif
#include <sqlcipher/sqlite3.h>

#include "data/SqliteDatabase.h"

namespace quillmoor::sqlite_library {

inline sqlite3* Connection(SqliteConnection* handle) { return reinterpret_cast<sqlite3*>(handle); }

inline SqliteConnection* Handle(sqlite3* connection) {
  return reinterpret_cast<SqliteConnection*>(connection);
}

// A text from the library; null gives the empty text.
inline std::string Text(const char* text) { return text ? std::string(text) : std::string(); }

}  // namespace quillmoor::sqlite_library
