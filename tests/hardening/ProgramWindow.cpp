#include "tests/hardening/ProgramWindow.h"

#include "app/MainWindowWiring.h"
#include "app/StatusLine.h"
#include "catalogue/CatalogueTree.h"
#include "catalogue/CatalogueTreeText.h"
#include "platform/UiElements.h"
#include "platform/UiPictureShape.h"
#include "platform/UiTreeAdapter.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/common/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTreeView>

#include <algorithm>

namespace quillmoor::test {
namespace {

// Elements of the path editor.
constexpr int kIdEdit = 33;
constexpr int kPathEdit = 34;
constexpr int kSaveButton = 36;

QString BoxText(QWidget* window, int id) {
  const auto* box = FindElementAs<QLineEdit>(window, id);
  return box ? box->text() : QStringLiteral("(no box)");
}

}  // namespace

ProgramWindow::ProgramWindow(const QString& dataDir) : started_(StartShownMainWindow(dataDir)) {
  if (!running()) return;
  window_ = state().mainWindow.get();
  if (tree()) tree()->expandAll();
}

QTreeView* ProgramWindow::tree() { return state().catalogueTree; }

std::string ProgramWindow::catalogueText() { return CatalogueTreeText(*state().catalogueAdapter); }

std::string ProgramWindow::status() { return StatusText(window_); }

ViewerShows ProgramWindow::viewer() {
  const auto* picture = FindElementAs<UiPictureShape>(window_, element::kPagePicture);
  return {BoxText(window_, element::kPageBox), BoxText(window_, element::kPageCountBox),
          picture && picture->hasImage(), state().outlineAdapter->rowCount()};
}

int ProgramWindow::atlasWithId(const QString& id) {
  const UiTreeAdapter& adapter = *state().catalogueAdapter;
  int found = 0;
  ForEachItem(adapter, [&](int item, int) {
    if (!found && !IsCategoryItem(adapter, item) && adapter.itemText(item, column::kAtlasId) == id) found = item;
  });
  return found;
}

QPoint ProgramWindow::pointOf(int item) {
  const QModelIndex index = state().catalogueAdapter->indexOf(item);
  tree()->scrollTo(index);
  return tree()->visualRect(index).center();
}

void ProgramWindow::select(int item) { QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, pointOf(item)); }

// A double-click alone does not reach the tree's item signal in Qt Test:
// click first, as a user's first press does.
void ProgramWindow::doubleClickAt(QTreeView* tree, const QModelIndex& index) {
  tree->scrollTo(index);
  const QPoint at = tree->visualRect(index).center();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

void ProgramWindow::doubleClick(int item) { doubleClickAt(tree(), state().catalogueAdapter->indexOf(item)); }

void ProgramWindow::openOutlineEntries(int most) {
  UiTreeAdapter& outline = *state().outlineAdapter;
  for (int row = 0; row < std::min(most, outline.rowCount()); ++row)
    doubleClickAt(state().outlineTree, outline.index(row, 0));
}

void ProgramWindow::pressEnterOn(int item) {
  select(item);
  tree()->setFocus();
  QTest::keyClick(tree(), Qt::Key_Return);
}

void ProgramWindow::clickButton(int id) {
  if (auto* button = FindElementAs<QAbstractButton>(window_, id)) QTest::mouseClick(button, Qt::LeftButton);
}

void ProgramWindow::pressKey(Qt::Key key) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_;
  QTest::keyClick(target, key);
}

void ProgramWindow::turnPages() {
  clickButton(element::kNextPageButton);
  pressKey(Qt::Key_End);
  clickButton(element::kPrevPageButton);
  pressKey(Qt::Key_Home);
  if (auto* picture = FindElementAs<UiPictureShape>(window_, element::kPagePicture)) picture->grab();
}

SeenMessage ProgramWindow::saveInPathEditor(const QString& id, const QString& path) {
  auto seen = std::make_shared<SeenMessage>();
  whenModalAppears([seen, id, path](QWidget* modal) {
    QPointer<QWidget> editor(modal);
    auto* idEdit = FindElementAs<QLineEdit>(modal, kIdEdit);
    auto* pathEdit = FindElementAs<QLineEdit>(modal, kPathEdit);
    auto* save = FindElementAs<QAbstractButton>(modal, kSaveButton);
    if (idEdit && pathEdit && save) {
      idEdit->setText(id);
      pathEdit->setText(path);
      const auto answer = AnswerNextMessageBox();
      QTest::mouseClick(save, Qt::LeftButton);
      *seen = *answer;
    }
    if (editor && editor->isVisible()) editor->close();
  });
  clickButton(element::kPathEditorButton);
  return *seen;
}

}  // namespace quillmoor::test
