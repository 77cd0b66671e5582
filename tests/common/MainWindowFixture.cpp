#include "tests/common/MainWindowFixture.h"

#include "tests/common/TestSupport.h"

#include "BuildConfig.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

namespace quillmoor::test {

StartupOptions TestStartupOptions(ResourceMode mode, const QString& dataDir) {
  StartupOptions options;
  options.programDir = programDir();
  options.dataDir = dataDir;
  options.resourceMode = mode;
  options.resourcePassword = build::kResourcePassword;
  return options;
}

StartupResult StartShownMainWindow(const QString& dataDir) {
  StartupResult started = StartUp(TestStartupOptions(ResourceMode::EmbeddedArchive, dataDir));
  if (!started.state) return started;
  QWidget* window = started.state->mainWindow.get();
  window->resize(1200, 800);
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) started.error = QStringLiteral("the main window never became active");
  return started;
}

bool AnyMessageBoxShown() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QMessageBox*>(w) && w->isVisible()) return true;
  return false;
}

}  // namespace quillmoor::test
