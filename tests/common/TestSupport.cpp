#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace quillmoor::test {

QString programDir() { return QStringLiteral(QUILLMOOR_PROGRAM_DIR); }

QString sourceDir() {
  return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral("../.."));
}

QString fixtureDir() {
  const QString dir = QStringLiteral(QUILLMOOR_FIXTURE_DIR);
  QDir().mkpath(dir);
  return dir;
}

ProcessResult runProcess(const QString& program, const QStringList& args,
                         const QString& workingDir, int timeoutMs,
                         const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  if (!workingDir.isEmpty()) process.setWorkingDirectory(workingDir);
  process.start(program, args);
  ProcessResult result;
  if (!process.waitForStarted(timeoutMs)) return result;
  result.finished = process.waitForFinished(timeoutMs);
  if (!result.finished) {
    process.kill();
    process.waitForFinished();
  }
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.out = process.readAllStandardOutput();
  result.err = process.readAllStandardError();
  return result;
}

void whenModalAppears(std::function<void(QWidget*)> action, int timeoutMs) {
  auto* timer = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, action, timeoutMs] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) modal = QApplication::activePopupWidget();
    if (modal && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      action(modal);
    } else if (clock->elapsed() > timeoutMs) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

}  // namespace quillmoor::test
