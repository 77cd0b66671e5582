#include "app/SettingsWindow.h"

#include "app/AppState.h"
#include "app/SettingsFacts.h"
#include "app/WindowLayout.h"
#include "platform/UiDialogs.h"
#include "platform/UiElements.h"

#include <QLabel>

#include <string>

namespace quillmoor {
namespace {

std::string FileLine(const DataFileFacts& file, const std::string& state) {
  return (file.path.empty() ? std::string("（本版本没有此文件）") : file.path) + "\n" + state;
}

std::string CatalogueText(const SettingsFacts& facts) {
  if (!facts.catalogueDatabase.found) return FileLine(facts.catalogueDatabase, "未找到，图集目录为空");
  return FileLine(facts.catalogueDatabase,
                  facts.catalogueReadable ? "已找到，可以读取" : "已找到，但无法读取（密钥不符或文件已损坏）");
}

std::string PathSheetText(const SettingsFacts& facts) {
  return FileLine(facts.pathSheet, facts.pathSheet.found ? "已找到" : "未找到，图集均无 PDF 路径");
}

std::string AtlasText(const SettingsFacts& facts) {
  return "共 " + std::to_string(facts.atlasCount) + " 本，其中 " + std::to_string(facts.atlasFilesPresent) +
         " 本的 PDF 文件存在";
}

void SetText(QWidget* window, int id, const std::string& text) {
  if (auto* label = FindElementAs<QLabel>(window, id)) label->setText(QString::fromStdString(text));
}

}  // namespace

void FillSettingsWindow(QWidget* window, const SettingsFacts& facts) {
  SetText(window, settings_element::kDataDir, facts.dataDir);
  SetText(window, settings_element::kEdition, facts.editionLabel + " " + facts.versionText);
  SetText(window, settings_element::kCatalogueDatabase, CatalogueText(facts));
  SetText(window, settings_element::kPathSheet, PathSheetText(facts));
  SetText(window, settings_element::kAtlases, AtlasText(facts));
  SetText(window, settings_element::kDefaultAtlas,
          FileLine(facts.defaultAtlas, facts.defaultAtlas.found ? "已找到" : "未找到"));
}

void ShowSettingsWindow(AppState& state) {
  QWidget* parent = state.mainWindow.get();
  QWidget* window =
      state.loader ? state.loader->loadLayout(QString::fromLatin1(kSettingsLayoutName), parent) : nullptr;
  if (!window) return;
  FillSettingsWindow(window, GatherSettingsFacts(state));
  AdjustLayout(window);
  RunModal(window, parent);
}

}  // namespace quillmoor
