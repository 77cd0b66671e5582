#include "util/CheckedFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace quillmoor {

namespace {

// The texts live in the dialog's translation context, so they follow its
// language when Qt's translations are loaded.
QString DialogText(const char* text) { return QCoreApplication::translate("QFileDialog", text); }

}  // namespace

void CheckedFileDialog::accept() {
  const QString file = selectedFiles().value(0);
  // A folder (or nothing) typed in: Qt moves into it or ignores it.
  const bool namesFile = !file.isEmpty() && !QFileInfo(file).isDir();
  if (namesFile && (folderMissing(file) || creationDeclined(file))) return;
  QFileDialog::accept();
}

bool CheckedFileDialog::folderMissing(const QString& file) {
  const QString folder = QFileInfo(file).absolutePath();
  if (!pathMustExist_ || QFileInfo(folder).isDir()) return false;
  QMessageBox::warning(
      this, windowTitle(),
      DialogText("%1\nDirectory not found.\nPlease verify the correct directory name was given.")
          .arg(QDir::toNativeSeparators(folder)));
  return true;
}

bool CheckedFileDialog::creationDeclined(const QString& file) {
  if (!createPrompt_ || QFileInfo::exists(file)) return false;
  const auto answer = QMessageBox::question(
      this, windowTitle(),
      DialogText("%1 does not exist.\nDo you want to create it?").arg(QFileInfo(file).fileName()),
      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  return answer != QMessageBox::Yes;
}

}  // namespace quillmoor
