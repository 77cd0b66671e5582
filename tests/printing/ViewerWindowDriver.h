#pragma once
// The program's main window, started in-process and driven as a user would
// for the print and export buttons, and a log of the modal windows that the
// buttons open.

#include "app/Startup.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class QWidget;

namespace quillmoor::test {

struct SeenModal {
  QString kind;   // "QMessageBox", "QFileDialog" (the nearest Qt class)
  QString title;
  QString text;   // a message box's text
  bool applicationModal = false;
};

// From now on, while `seen` lives, every modal window that appears is
// recorded in it and then handed to `answer`, which must close it. Returns
// at once.
void AnswerModals(std::shared_ptr<std::vector<SeenModal>> seen, std::function<void(QWidget*)> answer);

// Clicks `button` of a message box; closes anything else.
void ClickMessageButton(QWidget* modal, QMessageBox::StandardButton button = QMessageBox::Ok);

class ViewerWindowDriver : public testing::Test {
 protected:
  void startWindow();
  AppState& state() { return *started_.state; }
  QLineEdit* pageBox();
  // Replaces the page box's text by typing, without Enter.
  void typeIntoPageBox(const QString& text);
  void clickButton(int id);

  StartupResult started_;
  QWidget* window_ = nullptr;
};

}  // namespace quillmoor::test
