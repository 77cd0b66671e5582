#pragma once
// Where the catalogue build's time goes: the same sources and the same calls
// as the program's build, timed piece by piece in this process.

#include <QString>

namespace quillmoor::bench {

struct CatalogueBuildProfile {
  double openMs = 0;        // database (key derivation), top categories, path sheet
  double queriesMs = 0;     // every sub-category and atlas query of the walk
  double pathsMs = 0;       // one path-sheet lookup per atlas
  double buildMs = 0;       // the whole build into an adapter without a view
  double buildInViewMs = 0; // the same into an adapter shown by a tree view, as at start-up
  int atlases = 0;
  int categories = 0;
  int queries = 0;
};

CatalogueBuildProfile ProfileCatalogueBuild(const QString& dataDir);

}  // namespace quillmoor::bench
