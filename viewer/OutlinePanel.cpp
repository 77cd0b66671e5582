#include "viewer/OutlinePanel.h"

#include "platform/UiElements.h"
#include "platform/UiItemDelegate.h"
#include "platform/UiLayoutLoader.h"
#include "platform/UiTreeAdapter.h"

#include <QTreeView>

namespace quillmoor {

OutlineTree setUpOutlineTree(QWidget* mainWindow, const UiLayoutLoader& loader) {
  OutlineTree outline;
  outline.tree = FindElementAs<QTreeView>(mainWindow, kOutlineTreeId);
  if (!outline.tree) return outline;
  UiItemDelegate::of(outline.tree)->setDefaultTemplate(loader.loadTemplate(QStringLiteral("outline.xml")));
  outline.adapter = new UiTreeAdapter(outline.tree);
  outline.tree->setModel(outline.adapter);
  outline.adapter->addColumn(QStringLiteral("title"));
  outline.adapter->addColumn(QStringLiteral("pageno"));
  return outline;
}

}  // namespace quillmoor
