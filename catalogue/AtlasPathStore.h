#pragma once
// Records which PDF file belongs to an atlas id, as a row (id, path) of the
// catalogue database's table Filepath. The path editor and the maintenance
// tool save through here.

#include <string>

namespace quillmoor {

class SqliteDatabase;

enum class PathSaveResult {
  Saved,
  IdNotNumeric,  // empty, or a character other than the ASCII digits 0 to 9
  FileMissing,   // the path names no regular file
  WriteFailed,   // nothing was written
};

// Digits 0 to 9 only, at least one.
bool IsAtlasId(const std::string& id);

// Checks the id and the file, then updates the atlas's row or inserts one, in
// one transaction. The values are bound to the statement, never spliced into
// it, so any path is saved exactly as given.
PathSaveResult SaveAtlasPath(SqliteDatabase& database, const std::string& id, const std::string& path);

}  // namespace quillmoor
