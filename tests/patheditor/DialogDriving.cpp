#include "tests/patheditor/DialogDriving.h"

#include "tests/common/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace quillmoor::test {
namespace {

QPushButton* ButtonOf(QFileDialog* dialog, QDialogButtonBox::StandardButton which) {
  auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  return box ? box->button(which) : nullptr;
}

QPushButton* AcceptButton(QFileDialog* dialog) {
  return ButtonOf(dialog, dialog->acceptMode() == QFileDialog::AcceptOpen ? QDialogButtonBox::Open
                                                                           : QDialogButtonBox::Save);
}

void Click(QAbstractButton* button) {
  if (button) QTest::mouseClick(button, Qt::LeftButton);
}

void CommitText(QWidget* box, const QString& text) {
  if (text.isEmpty()) return;
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(box, &event);
}

}  // namespace

void TypeText(QWidget* box, const QString& text) {
  QString composed;
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      CommitText(box, composed);
      composed.clear();
      QTest::keyClick(box, c.toLatin1());
    } else {
      composed += c;
    }
  }
  CommitText(box, composed);
}

QFileDialog* AsFileDialog(QWidget* modal) { return qobject_cast<QFileDialog*>(modal); }

void TypeFileName(QFileDialog* dialog, const QString& name) {
  auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (!edit) return;
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  TypeText(edit, name);
}

void ClickAccept(QFileDialog* dialog) { Click(AcceptButton(dialog)); }

void ClickCancel(QFileDialog* dialog) { Click(ButtonOf(dialog, QDialogButtonBox::Cancel)); }

bool AcceptEnabled(QFileDialog* dialog) {
  QPushButton* button = AcceptButton(dialog);
  return button && button->isEnabled();
}

std::shared_ptr<SeenMessage> AnswerNextMessageBox(QMessageBox::StandardButton answer) {
  auto seen = std::make_shared<SeenMessage>();
  whenModalAppears([seen, answer](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return;
    *seen = {true, box->windowTitle(), box->text()};
    if (QAbstractButton* button = box->button(answer))
      Click(button);
    else
      box->done(QMessageBox::Cancel);  // not offered: close it rather than hang
  });
  return seen;
}

}  // namespace quillmoor::test
