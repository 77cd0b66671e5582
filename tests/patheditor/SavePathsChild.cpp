// A child process for the crash test: saves one atlas path after another
// through the path editor's save code and reports each save once it is done,
// so that the test can kill it at any moment and check what was reported.
//
//   save-paths-child DATABASE PATH ID...

#include "catalogue/AtlasPathStore.h"
#include "data/SqliteDatabase.h"

#include "BuildConfig.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: save-paths-child DATABASE PATH ID...\n");
    return 2;
  }
  quillmoor::SqliteDatabase database;
  if (!database.OpenWithKey(argv[1], quillmoor::build::kResourcePassword)) return 1;
  for (int i = 3; i < argc; ++i) {
    if (quillmoor::SaveAtlasPath(database, argv[i], argv[2]) != quillmoor::PathSaveResult::Saved) return 1;
    std::printf("saved %s\n", argv[i]);
    std::fflush(stdout);
  }
  return 0;
}
