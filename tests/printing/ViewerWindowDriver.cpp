#include "tests/printing/ViewerWindowDriver.h"

#include "app/MainWindowWiring.h"
#include "platform/UiElements.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/common/TestSupport.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace quillmoor::test {
namespace {

constexpr int kModalTimeoutMs = 10000;

SeenModal Describe(QWidget* modal) {
  SeenModal seen;
  seen.kind = qobject_cast<QFileDialog*>(modal)   ? QStringLiteral("QFileDialog")
              : qobject_cast<QMessageBox*>(modal) ? QStringLiteral("QMessageBox")
                                                  : QString::fromLatin1(modal->metaObject()->className());
  seen.title = modal->windowTitle();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) seen.text = box->text();
  seen.applicationModal = modal->windowModality() == Qt::ApplicationModal;
  return seen;
}

}  // namespace

void AnswerModals(std::shared_ptr<std::vector<SeenModal>> seen, std::function<void(QWidget*)> answer) {
  // Held weakly: once the test that owns the log has ended, a watcher still
  // waiting leaves the next test's windows alone.
  whenModalAppears(
      [log = std::weak_ptr<std::vector<SeenModal>>(seen), answer](QWidget* modal) {
        const auto seen = log.lock();
        if (!seen) return;
        seen->push_back(Describe(modal));
        // Armed again first: answering may open the next one (a question
        // asked when the dialog is accepted, say).
        AnswerModals(seen, answer);
        answer(modal);
      },
      kModalTimeoutMs);
}

void ClickMessageButton(QWidget* modal, QMessageBox::StandardButton button) {
  if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->button(button))
    QTest::mouseClick(box->button(button), Qt::LeftButton);
  else
    modal->close();
}

void ViewerWindowDriver::startWindow() {
  started_ = StartShownMainWindow();
  ASSERT_TRUE(started_.state) << started_.error.toStdString();
  ASSERT_TRUE(started_.error.isEmpty()) << started_.error.toStdString();
  window_ = started_.state->mainWindow.get();
}

QLineEdit* ViewerWindowDriver::pageBox() { return FindElementAs<QLineEdit>(window_, element::kPageBox); }

void ViewerWindowDriver::typeIntoPageBox(const QString& text) {
  pageBox()->setFocus();
  pageBox()->selectAll();
  QTest::keyClick(pageBox(), Qt::Key_Backspace);
  QTest::keyClicks(pageBox(), text);
}

void ViewerWindowDriver::clickButton(int id) {
  QTest::mouseClick(FindElementAs<QAbstractButton>(window_, id), Qt::LeftButton);
}

}  // namespace quillmoor::test
