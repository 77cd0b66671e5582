#include "app/Startup.h"

#include "app/MainWindowWiring.h"
#include "catalogue/Edition.h"
#include "platform/UiElements.h"
#include "platform/UiItemDelegate.h"
#include "platform/UiTreeAdapter.h"
#include "viewer/OutlinePanel.h"

#include "BuildConfig.h"

#include <QApplication>
#include <QTreeView>

#include <cstdio>

namespace quillmoor {
namespace {

constexpr int kCatalogueTreeId = 1;

void SetBuildTexts(AppState& state, const StartupOptions& options) {
  state.resourcePassword = options.resourcePassword;
  state.editionLabel = BuildEditionLabel();
  state.resourceMode = options.resourceMode;
  state.programDir = options.programDir;
  state.dataDir = options.dataDir.isEmpty() ? options.programDir : options.dataDir;
}

bool LoadUserInterface(AppState& state, QString* error) {
  state.resources = UiResources::open(state.resourceMode, state.programDir,
                                      QByteArray::fromStdString(state.resourcePassword), error);
  if (!state.resources) return false;
  state.loader = UiLayoutLoader::create(*state.resources, error);
  if (!state.loader) return false;
  qApp->setStyleSheet(state.loader->styleSheet());
  state.mainWindow.reset(state.loader->loadLayout(QString::fromLatin1(kMainLayoutName), nullptr, error));
  return state.mainWindow != nullptr;
}

void SetUpCatalogueTree(AppState& state) {
  QTreeView* tree = FindElementAs<QTreeView>(state.mainWindow.get(), kCatalogueTreeId);
  if (!tree) return;
  state.catalogueTree = tree;
  UiItemDelegate::of(tree)->setDefaultTemplate(state.loader->loadTemplate(QStringLiteral("tree-gourp.xml")));
  state.atlasTemplate = state.loader->loadTemplate(QStringLiteral("tree-content.xml"));
  state.atlasWithoutFileTemplate = state.loader->loadTemplate(QStringLiteral("tree-content-nobook.xml"));
  tree->setIndentation(18);
  tree->setExpandsOnDoubleClick(true);
  state.catalogueAdapter = new UiTreeAdapter(tree);
  tree->setModel(state.catalogueAdapter);
  for (const char* column : {"cate1", "cateid", "bookcode", "bookname", "bookfile", "booktotal", "bookid"})
    state.catalogueAdapter->addColumn(QString::fromLatin1(column));
}

void SetUpOutline(AppState& state) {
  const OutlineTree outline = setUpOutlineTree(state.mainWindow.get(), *state.loader);
  state.outlineTree = outline.tree;
  state.outlineAdapter = outline.adapter;
}

}  // namespace

StartupOptions BuildStartupOptions(const CommandLine& commandLine) {
  StartupOptions options;
  options.programDir = QCoreApplication::applicationDirPath();
  options.dataDir = commandLine.dataDir;
  options.resourceMode = static_cast<ResourceMode>(build::kResourceMode);
  options.resourcePassword = build::kResourcePassword;
  return options;
}

StartupResult StartUp(const StartupOptions& options) {
  StartupResult result;
  auto state = std::make_unique<AppState>();
  SetBuildTexts(*state, options);
  if (!LoadUserInterface(*state, &result.error)) return result;
  SetUpCatalogueTree(*state);
  SetUpOutline(*state);
  WireMainWindow(*state);
  result.state = std::move(state);
  return result;
}

int RunApplication(const StartupOptions& options) {
  StartupResult started = StartUp(options);
  if (!started.state) {
    std::fprintf(stderr, "quillmoor: cannot load the user interface: %s\n", qPrintable(started.error));
    return 1;
  }
  QWidget* window = started.state->mainWindow.get();
  window->show();
  QApplication::exec();
  return 0;
}

}  // namespace quillmoor
