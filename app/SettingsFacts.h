#pragma once
// What the program reads and from where, as the settings window shows it.
// Everything is taken from what start-up already built: no data file is
// opened again.

#include <string>

namespace quillmoor {

struct AppState;

struct DataFileFacts {
  std::string path;  // empty when the edition names no such file
  bool found = false;
};

struct SettingsFacts {
  std::string dataDir;
  std::string editionLabel;
  std::string versionText;
  DataFileFacts catalogueDatabase;
  bool catalogueReadable = false;  // the open connection answers a query
  DataFileFacts pathSheet;
  int atlasCount = 0;         // atlas items of the catalogue tree
  int atlasFilesPresent = 0;  // of them, those whose recorded PDF exists
  DataFileFacts defaultAtlas;  // opened at every start
};

SettingsFacts GatherSettingsFacts(AppState& state);

}  // namespace quillmoor
