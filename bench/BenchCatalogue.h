#pragma once
// A generated catalogue for the start-up benchmark: a keyed database of N
// atlases in a few hundred categories over four levels, and a path sheet of
// N rows, made with the program's own tools as the sample data is.

#include <QString>

namespace quillmoor::bench {

struct BenchCatalogueShape {
  int atlases = 0;
  int topCategories = 6;
  int childrenPerCategory = 4;  // at levels 2 and 3
  int childrenAtLastLevel = 3;  // level 4
};

// Writes struct.dll and 结构.xls into `dir` (and the default atlas when one
// lies beside the benchmark). False, with `error` set, when a tool fails.
bool MakeBenchCatalogue(const QString& dir, const BenchCatalogueShape& shape, QString* error);

// How many categories the shape makes.
int CategoryCount(const BenchCatalogueShape& shape);

}  // namespace quillmoor::bench
