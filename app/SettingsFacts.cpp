#include "app/SettingsFacts.h"

#include "app/AppState.h"
#include "catalogue/CatalogueSources.h"
#include "catalogue/CatalogueTree.h"
#include "catalogue/FileTest.h"
#include "platform/UiTreeAdapter.h"
#include "viewer/DocumentSession.h"

namespace quillmoor {
namespace {

// A query every SQLite database answers, whatever its tables: it fails only
// when the file cannot be read with the key.
constexpr char kAnyReadQuery[] = "select count(*) from sqlite_master";

DataFileFacts DataFile(const std::string& dataDir, const std::string& name) {
  if (name.empty()) return {};
  DataFileFacts facts{dataDir + "/" + name};
  facts.found = IsRegularFile(facts.path);
  return facts;
}

void CountAtlases(const UiTreeAdapter& adapter, SettingsFacts& facts) {
  ForEachItem(adapter, [&](int item, int) {
    if (adapter.itemText(item, column::kAtlasId).isEmpty()) return;
    ++facts.atlasCount;
    const std::string file = adapter.itemText(item, column::kAtlasFile).toStdString();
    if (!file.empty() && IsRegularFile(file)) ++facts.atlasFilesPresent;
  });
}

}  // namespace

SettingsFacts GatherSettingsFacts(AppState& state) {
  SettingsFacts facts;
  facts.dataDir = state.dataDir.toStdString();
  facts.editionLabel = state.editionLabel;
  facts.versionText = state.versionText;
  if (state.catalogue) {
    const EditionFiles& files = state.catalogue->Files();
    facts.catalogueDatabase = DataFile(facts.dataDir, files.databaseFile);
    facts.pathSheet = DataFile(facts.dataDir, files.pathSheetFile);
    facts.catalogueReadable = facts.catalogueDatabase.found && state.catalogue->Database().Exec(kAnyReadQuery);
  }
  if (state.catalogueAdapter) CountAtlases(*state.catalogueAdapter, facts);
  facts.defaultAtlas = DataFile(facts.dataDir, kDefaultAtlasName);
  return facts;
}

}  // namespace quillmoor
