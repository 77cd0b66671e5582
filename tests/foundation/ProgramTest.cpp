#include "app/Startup.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/common/TestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace quillmoor {
namespace {

QString Program() { return QDir(test::programDir()).filePath(QStringLiteral("quillmoor")); }

TEST(Program, WithoutADisplaySaysSoAndStops) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(QString::fromLatin1(name));
  const test::ProcessResult result = test::runProcess(Program(), {}, {}, 20000, environment);
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(result.err.contains("no display found")) << result.err.toStdString();
  EXPECT_TRUE(result.err.contains("xvfb-run"));
}

TEST(Program, RefusesAnUnknownArgument) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  const test::ProcessResult result = test::runProcess(Program(), {QStringLiteral("--bogus")}, {}, 20000, environment);
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(result.err.contains("--bogus"));
}

// Nothing is written into the current directory, and no code is loaded from it.
TEST(Program, LeavesTheCurrentDirectoryAlone) {
  QTemporaryDir current;
  const QString saved = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(current.path()));
  StartupResult started = StartUp(test::TestStartupOptions());
  ASSERT_TRUE(started.state) << started.error.toStdString();
  started.state->mainWindow->show();
  QTest::qWait(50);
  started.state->mainWindow->close();
  QDir::setCurrent(saved);

  EXPECT_TRUE(QDir(current.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
  QFile maps(QStringLiteral("/proc/self/maps"));
  ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
  EXPECT_FALSE(maps.readAll().contains(current.path().toUtf8()));
}

}  // namespace
}  // namespace quillmoor
