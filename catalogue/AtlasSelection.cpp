#include "catalogue/AtlasSelection.h"

#include "catalogue/CatalogueTree.h"
#include "catalogue/FileTest.h"
#include "platform/UiTreeAdapter.h"
#include "viewer/DocumentSession.h"
#include "viewer/OutlinePanel.h"
#include "viewer/PageView.h"

#include <utility>

namespace quillmoor {
namespace {

std::string HintOpen(const std::string& file) { return "双击打开，图集文件位于：" + file; }

std::string HintMissing(const std::string& id, const std::string& file) {
  return "图集ID：" + id + ",该图集文件不存在，请检查：" + file;
}

std::string HintNoFileOnSelect(const std::string& id) {
  return "图集ID：" + id + ",该图集文件不存在，请将图集文件添加到Excel配置文件中。";
}

std::string HintNoFileOnOpen(const std::string& id) {
  return "图集ID：" + id + ",该图集文件不存在，请将图集存储位置添加到Excel配置文件中。";
}

}  // namespace

AtlasSelection::AtlasSelection(const UiTreeAdapter& catalogue, AtlasViewer viewer, StatusSink status)
    : catalogue_(catalogue), viewer_(viewer), status_(std::move(status)) {}

AtlasSelection::AtlasFile AtlasSelection::fileOf(int item) const {
  return {catalogue_.itemText(item, column::kAtlasFile).toStdString(),
          catalogue_.itemText(item, column::kAtlasId).toStdString()};
}

void AtlasSelection::onItemSelected(int item) {
  if (!IsAtlasItem(catalogue_, item)) return;
  const AtlasFile atlas = fileOf(item);
  if (atlas.path.empty())
    status_(HintNoFileOnSelect(atlas.id));
  else if (IsRegularFile(atlas.path))
    status_(HintOpen(atlas.path));
  else
    status_(HintMissing(atlas.id, atlas.path));
}

void AtlasSelection::onItemOpened(int item) {
  if (!IsAtlasItem(catalogue_, item)) return;
  const AtlasFile atlas = fileOf(item);
  if (atlas.path.empty()) {
    status_(HintNoFileOnOpen(atlas.id));
    return;
  }
  // The atlas already open stays open when the new one is not there.
  if (!IsRegularFile(atlas.path)) {
    status_(HintMissing(atlas.id, atlas.path));
    return;
  }
  status_(HintOpen(atlas.path));
  openInViewer(atlas.path);
}

void AtlasSelection::openInViewer(const std::string& path) {
  if (!viewer_.session || !viewer_.pageView) return;
  DocumentSession& session = *viewer_.session;
  session.openDocument(path);
  session.setCurrentPage(1);
  PageView::writePageBox(viewer_.pageBox, 1);
  PageView::writePageBox(viewer_.pageCountBox, session.pageCount());
  if (viewer_.outline) fillOutline(*viewer_.outline, session);
  viewer_.pageView->showPage(1);
}

}  // namespace quillmoor
