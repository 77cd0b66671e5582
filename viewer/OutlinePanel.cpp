#include "viewer/OutlinePanel.h"

#include "platform/UiElements.h"
#include "platform/UiItemDelegate.h"
#include "platform/UiLayoutLoader.h"
#include "platform/UiTreeAdapter.h"
#include "viewer/DocumentSession.h"
#include "viewer/PageView.h"

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



void fillOutline(UiTreeAdapter& adapter, const DocumentSession& session) {
  adapter.deleteAll();
  const int count = session.outlineCount();
  for (int i = 1; i <= count; ++i) {
    const int id = session.outlineId(i);
    const int item = adapter.insertItemText(QString::fromStdString(session.outlineTitle(id)));
    adapter.setItemText(item, QStringLiteral("pageno"), QString::number(session.outlinePage(id)));
  }
}

void showOutlineEntry(const UiTreeAdapter& adapter, int itemId, DocumentSession& session,
                      PageView& pageView, QLineEdit* pageBox) {
  session.setCurrentPage(PageView::ReadPageNumber(adapter.itemText(itemId, QStringLiteral("pageno"))));
  pageView.showPage(session.currentPage());
  PageView::writePageBox(pageBox, session.currentPage());
}

}  // namespace quillmoor
