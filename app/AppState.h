#pragma once
// Everything the program holds for its whole life, owned in one place and
// released in reverse order of declaration when the program ends.

#include "platform/ResourceMode.h"
#include "platform/UiItemTemplate.h"
#include "platform/UiLayoutLoader.h"
#include "platform/UiResources.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <string>

class QLineEdit;
class QTreeView;
class QWidget;

namespace quillmoor {

class CatalogueSources;
class DocumentSession;
class PageView;
class UiPictureShape;
class UiTreeAdapter;

// Elements the handlers use after the wiring.
struct MainWindowElements {
  UiPictureShape* pagePicture = nullptr;  // 4
  QLineEdit* pageBox = nullptr;           // 2
  QLineEdit* pageCountBox = nullptr;      // 3
  QWidget* cataloguePanel = nullptr;      // 21
  QWidget* outlinePanel = nullptr;        // 23
  QWidget* bannerPanel = nullptr;         // 24
  QWidget* outlineStrip = nullptr;        // 27
  QWidget* catalogueToggle = nullptr;     // 22
};

struct AppState {
  std::string resourcePassword;
  std::string editionLabel;
  ResourceMode resourceMode = ResourceMode::EmbeddedArchive;
  std::string versionText;
  QString programDir;
  QString dataDir;  // where the catalogue, the path sheet and the default atlas lie

  std::unique_ptr<UiResources> resources;
  std::unique_ptr<UiLayoutLoader> loader;

  // Declared before the window: the window's handlers use them, so they must
  // outlive it.
  std::unique_ptr<DocumentSession> session;
  std::unique_ptr<PageView> pageView;
  std::unique_ptr<CatalogueSources> catalogue;

  std::unique_ptr<QWidget> mainWindow;
  QTreeView* catalogueTree = nullptr;
  UiTreeAdapter* catalogueAdapter = nullptr;
  std::shared_ptr<const UiItemTemplate> atlasTemplate;
  std::shared_ptr<const UiItemTemplate> atlasWithoutFileTemplate;
  QTreeView* outlineTree = nullptr;
  UiTreeAdapter* outlineAdapter = nullptr;
  MainWindowElements elements;

  AppState();
  ~AppState();
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;
};

}  // namespace quillmoor
