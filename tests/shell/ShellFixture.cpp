#include "tests/shell/ShellFixture.h"

#include "platform/UiElements.h"
#include "tests/common/MainWindowFixture.h"

#include <QAbstractButton>
#include <QTest>

namespace quillmoor::test {

void ShellWindowTest::start(const QString& dataDir) {
  started_ = StartShownMainWindow(dataDir);
  ASSERT_TRUE(started_.state) << started_.error.toStdString();
}

QWidget* ShellWindowTest::element(int id) {
  QWidget* found = FindElement(window(), id);
  EXPECT_NE(found, nullptr) << "element " << id;
  return found;
}

void ShellWindowTest::click(int id, QWidget* in) {
  auto* button = FindElementAs<QAbstractButton>(in ? in : window(), id);
  ASSERT_NE(button, nullptr) << "button " << id;
  QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace quillmoor::test
