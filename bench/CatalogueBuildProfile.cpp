#include "bench/CatalogueBuildProfile.h"

#include "BuildConfig.h"
#include "bench/BenchCommands.h"
#include "catalogue/CatalogueSources.h"
#include "catalogue/CatalogueTree.h"
#include "catalogue/Edition.h"
#include "platform/UiItemDelegate.h"
#include "platform/UiTreeAdapter.h"

#include <QTreeView>

#include <string>
#include <vector>

namespace quillmoor::bench {
namespace {

CatalogueSources NewSources(const QString& dataDir) {
  return CatalogueSources(BuildEditionLabel(), dataDir.toStdString(), build::kResourcePassword);
}

// The build's queries in the build's order, without items: the ids of the
// atlases met, and the number of categories and queries.
struct QueryWalk {
  explicit QueryWalk(CatalogueSources& walked) : sources(walked) {}

  CatalogueSources& sources;
  std::vector<std::string> atlasIds;
  int categories = 0;
  int queries = 0;

  void walk(int level) {
    const TextGrid grid = sources.CategoryGrid(level);  // a copy: the walk below refills it
    for (int row = 2; row <= grid.RowCount(); ++row) {
      ++categories;
      ++queries;
      const int atlases = sources.LoadAtlases(grid[row][1]);
      for (int a = 2; a <= atlases; ++a) atlasIds.push_back(sources.AtlasGrid()[a][1]);
      if (level == CatalogueSources::kLevels) continue;
      ++queries;
      sources.LoadSubCategories(level + 1, grid[row][1]);
      walk(level + 1);
    }
  }
};

double TimeBuild(const QString& dataDir, bool inView) {
  CatalogueSources sources = NewSources(dataDir);
  UiTreeAdapter adapter;
  AddCatalogueColumns(adapter);
  QTreeView tree;
  if (inView) {
    tree.setModel(&adapter);
    UiItemDelegate::of(&tree);
  }
  return MillisecondsOf([&] { BuildCatalogueTree(sources, adapter); });
}

}  // namespace

CatalogueBuildProfile ProfileCatalogueBuild(const QString& dataDir) {
  CatalogueBuildProfile profile;
  CatalogueSources sources = NewSources(dataDir);
  profile.openMs = MillisecondsOf([&] {
    sources.OpenCatalogueDatabase();
    sources.LoadTopCategories();
    sources.OpenPathSheet();
  });
  QueryWalk queries(sources);
  profile.queriesMs = MillisecondsOf([&] { queries.walk(1); });
  profile.pathsMs = MillisecondsOf([&] {
    for (const std::string& id : queries.atlasIds) sources.AtlasPath(id);
  });
  profile.buildMs = TimeBuild(dataDir, false);
  profile.buildInViewMs = TimeBuild(dataDir, true);
  profile.atlases = static_cast<int>(queries.atlasIds.size());
  profile.categories = queries.categories;
  profile.queries = queries.queries;
  return profile;
}

}  // namespace quillmoor::bench
