#pragma once
// Qt's file dialog with the two checks it lacks: that the folder of the chosen
// name exists, and asking before a missing file is taken as a name to create.
// Both run when the user accepts; a refusal keeps the dialog open.

#include <QFileDialog>

namespace quillmoor {

class CheckedFileDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void setPathMustExist(bool on) { pathMustExist_ = on; }
  void setCreatePrompt(bool on) { createPrompt_ = on; }

  void accept() override;

 private:
  bool folderMissing(const QString& file);
  bool creationDeclined(const QString& file);

  bool pathMustExist_ = false;
  bool createPrompt_ = false;
};

}  // namespace quillmoor
