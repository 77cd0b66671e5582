#pragma once
// Driving Qt's file dialog and message boxes as a user does: the file-name
// box is typed into and the dialog's own buttons are clicked.

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

namespace quillmoor::test {

// Types `text` into a text box: ASCII as key presses, other characters as
// the input method commits them.
void TypeText(QWidget* box, const QString& text);

// The file dialog that appeared as `modal`; null when it is something else.
QFileDialog* AsFileDialog(QWidget* modal);

// Types `name` into the dialog's file-name box (after clearing it).
void TypeFileName(QFileDialog* dialog, const QString& name);
// Clicks one of the dialog's buttons: its accept button (Open or Save) or Cancel.
void ClickAccept(QFileDialog* dialog);
void ClickCancel(QFileDialog* dialog);
// Whether the accept button can be clicked.
bool AcceptEnabled(QFileDialog* dialog);

// A message box as the user saw it.
struct SeenMessage {
  bool shown = false;
  QString title;
  QString text;
};

// Answers the next message box with `answer` and records it; a modal widget
// that is not a message box is left alone and recorded as none.
std::shared_ptr<SeenMessage> AnswerNextMessageBox(QMessageBox::StandardButton answer = QMessageBox::Ok);

}  // namespace quillmoor::test
