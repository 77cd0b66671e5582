#include "platform/UiDialogs.h"

#include <QDialog>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>

namespace quillmoor {

void ShowMessage(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void RunModal(QWidget* window, QWidget* parent) {
  if (!window) return;
  QPointer<QWidget> guard(window);
  if (parent) window->setParent(parent, window->windowFlags() | Qt::Dialog);
  window->setWindowModality(Qt::ApplicationModal);
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->exec();
  } else {
    window->show();
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    while (guard && guard->isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  }
  delete guard.data();
}

}  // namespace quillmoor
