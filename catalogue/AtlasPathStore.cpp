#include "catalogue/AtlasPathStore.h"

#include "catalogue/FileTest.h"
#include "data/SqliteDatabase.h"

namespace quillmoor {
namespace {

// The row test and the write under one write lock, so no other writer can
// slip in between them; a failure leaves the table as it was.
bool WriteRow(SqliteDatabase& database, const std::string& id, const std::string& path) {
  if (!database.Exec("BEGIN IMMEDIATE")) return false;
  // A failed test counts as no row: the insert follows.
  const bool exists = database.RecordExists("Filepath", "id=" + id);
  const char* statement = exists ? "update Filepath set path=? Where id=?"
                                 : "INSERT INTO Filepath(path,id) VALUES (?, ?)";
  if (database.ExecWithValues(statement, {{path, id}}) && database.Exec("COMMIT")) return true;
  database.Exec("ROLLBACK");
  return false;
}

}  // namespace

bool IsAtlasId(const std::string& id) {
  return !id.empty() && id.find_first_not_of("0123456789") == std::string::npos;
}

PathSaveResult SaveAtlasPath(SqliteDatabase& database, const std::string& id, const std::string& path) {
  if (!IsAtlasId(id)) return PathSaveResult::IdNotNumeric;
  if (!IsRegularFile(path)) return PathSaveResult::FileMissing;
  return WriteRow(database, id, path) ? PathSaveResult::Saved : PathSaveResult::WriteFailed;
}

}  // namespace quillmoor
