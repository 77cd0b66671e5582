#include "util/DialogHelper.h"

#include "util/CheckedFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

namespace quillmoor {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// "desc|pattern|desc|pattern" as Qt's name filters, in order. Qt reads the
// patterns from the last parentheses, separated by blanks; the description is
// shown as it stands (the details are hidden).
QStringList NameFilters(const std::string& filter) {
  const QStringList parts = FromUtf8(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    QString patterns = parts[i + 1];
    if (description.isEmpty() || patterns.isEmpty()) break;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters;
}

// What both dialogs are given before their own options.
struct DialogTexts {
  const std::string& title;
  const std::string& defaultName;
  const std::string& filter;
  const std::string& initialFolder;
  const std::string& defaultExtension;
};

// Qt's own dialog, modal over the active window. An empty title leaves Qt's
// default one.
class FileDialog : public CheckedFileDialog {
 public:
  explicit FileDialog(const DialogTexts& texts)
      : CheckedFileDialog(QApplication::activeWindow(), FromUtf8(texts.title), FromUtf8(texts.initialFolder)),
        texts_(texts) {
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::HideNameFilterDetails);
  }

  // The chosen path, or empty when cancelled; the options are set by now.
  std::string run() {
    const QStringList filters = NameFilters(texts_.filter);
    if (!filters.isEmpty()) setNameFilters(filters);
    setDefaultSuffix(FromUtf8(texts_.defaultExtension));
    if (!texts_.defaultName.empty()) selectFile(FromUtf8(texts_.defaultName));
    if (exec() != QDialog::Accepted) return {};
    return QDir::toNativeSeparators(selectedFiles().value(0)).toUtf8().toStdString();
  }

 private:
  const DialogTexts& texts_;
};

}  // namespace

std::string DesktopFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (folder.isEmpty()) return {};
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return QDir::toNativeSeparators(folder).toUtf8().toStdString();
}

std::string DialogHelper::OpenFile(bool /*preview*/, const std::string& title, const std::string& defaultName,
                                   const std::string& filter, const std::string& initialFolder,
                                   const std::string& defaultExtension, bool createPrompt, bool fileMustExist,
                                   bool pathMustExist, bool /*keepDirectory*/) const {
  const DialogTexts texts{title, defaultName, filter, initialFolder, defaultExtension};
  FileDialog dialog(texts);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(fileMustExist && !createPrompt ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setCreatePrompt(createPrompt);
  dialog.setPathMustExist(pathMustExist);
  return dialog.run();
}

std::string DialogHelper::SaveFile(bool /*preview*/, const std::string& title, const std::string& defaultName,
                                   const std::string& filter, const std::string& initialFolder,
                                   const std::string& defaultExtension, bool overwritePrompt,
                                   bool pathMustExist, bool /*keepDirectory*/) const {
  const DialogTexts texts{title, defaultName, filter, initialFolder, defaultExtension};
  FileDialog dialog(texts);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !overwritePrompt);
  dialog.setPathMustExist(pathMustExist);
  return dialog.run();
}

}  // namespace quillmoor
