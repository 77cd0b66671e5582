#include "app/Startup.h"

#include "app/MainWindowWiring.h"
#include "app/PageBoxReport.h"
#include "catalogue/CatalogueSources.h"
#include "catalogue/CatalogueTree.h"
#include "catalogue/Edition.h"
#include "platform/UiElements.h"
#include "platform/UiItemDelegate.h"
#include "platform/UiTreeAdapter.h"
#include "platform/UiPictureShape.h"
#include "viewer/DocumentSession.h"
#include "viewer/OutlinePanel.h"
#include "viewer/PageView.h"

#include "BuildConfig.h"

#include <QApplication>
#include <QLineEdit>
#include <QTreeView>

#include <cstdio>

namespace quillmoor {
namespace {

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
  QTreeView* tree = FindElementAs<QTreeView>(state.mainWindow.get(), element::kCatalogueTree);
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

// The catalogue is read once, before the window is shown; the tree is not
// rebuilt afterwards.
void BuildCatalogue(AppState& state) {
  state.catalogue = std::make_unique<CatalogueSources>(state.editionLabel, state.dataDir.toStdString(),
                                                       state.resourcePassword);
  if (state.catalogueAdapter) BuildCatalogueTree(*state.catalogue, *state.catalogueAdapter);
}

void SetUpOutline(AppState& state) {
  const OutlineTree outline = setUpOutlineTree(state.mainWindow.get(), *state.loader);
  state.outlineTree = outline.tree;
  state.outlineAdapter = outline.adapter;
}

// The default atlas opens on page 1; its picture is placed without a redraw,
// as the window is not shown yet.
void OpenDefaultAtlas(AppState& state) {
  QWidget* window = state.mainWindow.get();
  state.session = std::make_unique<DocumentSession>(state.dataDir);
  state.session->createEngine();
  state.session->openDocument({});
  if (state.outlineAdapter) fillOutline(*state.outlineAdapter, *state.session);
  state.session->setCurrentPage(1);
  auto* picture = FindElementAs<UiPictureShape>(window, element::kPagePicture);
  state.pageView = std::make_unique<PageView>(*state.session, picture,
                                              FindElementAs<QLineEdit>(window, element::kPageBox));
  if (picture) picture->setImage(state.pageView->renderPage(1));
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
  BuildCatalogue(*state);
  SetUpOutline(*state);
  OpenDefaultAtlas(*state);
  WireMainWindow(*state);
  ReportPageBoxes(state->elements.pageBox, state->elements.pageCountBox);
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
