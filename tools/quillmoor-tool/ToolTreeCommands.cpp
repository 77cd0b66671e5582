// Catalogue tree commands: print the tree the program builds from a data
// directory, and list the atlases whose file is missing or not recorded.

#include "tools/quillmoor-tool/ToolCommands.h"

#include "BuildConfig.h"
#include "catalogue/CatalogueSources.h"
#include "catalogue/CatalogueTree.h"
#include "catalogue/CatalogueTreeText.h"
#include "catalogue/Edition.h"
#include "catalogue/FileTest.h"
#include "platform/UiTreeAdapter.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

#include <cstdio>
#include <optional>
#include <string>

namespace quillmoor::tool {

namespace {

constexpr char kDataDirUsage[] = "[--data-dir DIR]";

// The data directory of "[--data-dir DIR]"; the tool's own directory, where
// the program keeps its data, by default. Nothing for other arguments.
std::optional<QString> DataDirOf(const QStringList& args) {
  if (args.isEmpty()) return QCoreApplication::applicationDirPath();
  if (args.size() == 2 && args[0] == QLatin1String("--data-dir")) return QDir(args[1]).absolutePath();
  return std::nullopt;
}

// The catalogue tree as the program builds it at start-up. The reasons of a
// catalogue that cannot be read go to standard error.
struct BuiltCatalogue {
  UiTreeAdapter adapter;
  explicit BuiltCatalogue(const QString& dataDir) {
    QLoggingCategory::setFilterRules(QStringLiteral("quillmoor.diagnostic=true"));
    AddCatalogueColumns(adapter);
    CatalogueSources sources(BuildEditionLabel(), dataDir.toStdString(), build::kResourcePassword);
    BuildCatalogueTree(sources, adapter);
  }
};

int Usage(const char* command) {
  std::fprintf(stderr, "usage: quillmoor-tool %s %s\n", command, kDataDirUsage);
  return 2;
}

int PrintTree(const QStringList& args) {
  const std::optional<QString> dataDir = DataDirOf(args);
  if (!dataDir) return Usage("tree");
  const BuiltCatalogue catalogue(*dataDir);
  std::fputs(CatalogueTreeText(catalogue.adapter).c_str(), stdout);
  return 0;
}

std::string WithoutMark(const std::string& code) {
  for (const std::string mark : {kPathRecordedMark, kNoPathMark}) {
    if (code.rfind(mark, 0) == 0) return code.substr(mark.size());
  }
  return code;
}

int CheckFiles(const QStringList& args) {
  const std::optional<QString> dataDir = DataDirOf(args);
  if (!dataDir) return Usage("check");
  const BuiltCatalogue catalogue(*dataDir);
  const UiTreeAdapter& adapter = catalogue.adapter;
  int atlases = 0, missing = 0, withoutPath = 0;
  ForEachItem(adapter, [&](int item, int) {
    if (IsCategoryItem(adapter, item)) return;
    ++atlases;
    const std::string id = adapter.itemText(item, column::kAtlasId).toStdString();
    const std::string code = WithoutMark(adapter.itemText(item, column::kAtlasCode).toStdString());
    const std::string file = adapter.itemText(item, column::kAtlasFile).toStdString();
    if (file.empty()) {
      ++withoutPath;
      std::printf("no path\t%s\t%s\n", id.c_str(), code.c_str());
    } else if (!IsRegularFile(file)) {
      ++missing;
      std::printf("missing\t%s\t%s\t%s\n", id.c_str(), code.c_str(), file.c_str());
    }
  });
  std::printf("%d atlases: %d with their file, %d whose file is missing, %d without a path\n", atlases,
              atlases - missing - withoutPath, missing, withoutPath);
  return 0;
}

}  // namespace

std::vector<ToolCommand> treeCommands() {
  return {
      {"tree", kDataDirUsage, PrintTree},
      {"check", kDataDirUsage, CheckFiles},
  };
}

}  // namespace quillmoor::tool
