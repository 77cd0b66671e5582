#include "catalogue/PathEditor.h"

#include "catalogue/CatalogueTree.h"
#include "platform/UiDialogs.h"
#include "platform/UiElements.h"
#include "platform/UiEvents.h"
#include "platform/UiLayoutLoader.h"
#include "platform/UiMenu.h"
#include "platform/UiTreeAdapter.h"
#include "util/DialogHelper.h"

#include <QLineEdit>
#include <QTreeView>

namespace quillmoor {
namespace {

constexpr char kLayoutName[] = "bookedit.xml";

// Elements of the editor window.
constexpr int kIdEdit = 33;
constexpr int kPathEdit = 34;
constexpr int kBrowseButton = 35;
constexpr int kSaveButton = 36;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

std::string TextOf(const QLineEdit* edit) { return edit ? edit->text().toUtf8().toStdString() : std::string(); }

}  // namespace

PathEditor::PathEditor(const UiLayoutLoader& loader, SqliteDatabase& database, const UiTreeAdapter& catalogue,
                       QWidget* mainWindow)
    : loader_(loader), database_(database), catalogue_(catalogue), mainWindow_(mainWindow) {}

void PathEditor::onTreeRightButtonUp(QTreeView* tree, const QPoint& point) {
  const int item = catalogue_.itemAt(tree->indexAt(point));
  if (item <= 0) return;  // empty space
  pendingBookId_ = catalogue_.itemText(item, column::kAtlasId).toUtf8().toStdString();
  if (pendingBookId_.empty()) return;  // a category
  UiMenu menu;
  menu.addItem(path_menu::kAddPath, Text("添加图集PDF文件路径"));
  menu.addItem(path_menu::kEditPath, Text("编辑图集PDF文件路径"));
  menu.popup(mainWindow_, tree->viewport()->mapToGlobal(point));
}

void PathEditor::openPathEditor() {
  if (window_) return;  // already open (it is modal, so this is a stray call)
  QWidget* window = loader_.loadLayout(QString::fromLatin1(kLayoutName), nullptr);
  if (!window) return;
  window_ = window;
  idEdit_ = FindElementAs<QLineEdit>(window, kIdEdit);
  pathEdit_ = FindElementAs<QLineEdit>(window, kPathEdit);
  if (idEdit_ && !pendingBookId_.empty()) idEdit_->setText(QString::fromStdString(pendingBookId_));
  RegisterEvent(FindElement(window, kSaveButton), EventRole::Click, [this](const UiEvent&) { save(); });
  RegisterEvent(FindElement(window, kBrowseButton), EventRole::Click, [this](const UiEvent&) { browse(); });
  RunModal(window, nullptr);
}

void PathEditor::browse() {
  const std::string chosen =
      DialogHelper().OpenFile(false, "请选择该图集对应的PDF文件...", {}, "PDF文件(*.pdf)|*.pdf", DesktopFolder(),
                              ".pdf", false, true, true, false);
  // A cancelled dialog empties the box.
  if (pathEdit_) pathEdit_->setText(QString::fromStdString(chosen));
}

void PathEditor::save() {
  report(SaveAtlasPath(database_, TextOf(idEdit_), TextOf(pathEdit_)));
}

// Refusals and failures leave the window open with the user's input.
void PathEditor::report(PathSaveResult result) {
  switch (result) {
    case PathSaveResult::IdNotNumeric:
      ShowMessage(Text("图集ID必须是数字，请检查您的图集ID。"), Text("出错了"));
      return;
    case PathSaveResult::FileMissing:
      ShowMessage(Text("该路径指向的文件不存在，请检查。"), Text("出错了"));
      return;
    case PathSaveResult::WriteFailed:
      ShowMessage(Text("添加失败！"), Text("出错："));
      return;
    case PathSaveResult::Saved:
      ShowMessage(Text("添加成功！"), Text("提示："));
      if (window_) window_->close();
      return;
  }
}

}  // namespace quillmoor
