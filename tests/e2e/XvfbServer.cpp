#include "tests/e2e/XvfbServer.h"

namespace quillmoor::e2e {

XvfbServer::~XvfbServer() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(5000)) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

// Xvfb writes the display number to the given descriptor once it is ready,
// which makes both the choice of a free number and the wait exact.
bool XvfbServer::start(QDeadlineTimer deadline) {
  process_.setStandardErrorFile(QProcess::nullDevice());
  process_.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("1600x1000x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  if (!process_.waitForStarted(deadline.remainingTime())) {
    error_ = QStringLiteral("Xvfb does not start: ") + process_.errorString();
    return false;
  }
  QByteArray number;
  while (!number.endsWith('\n') && process_.waitForReadyRead(deadline.remainingTime()))
    number += process_.readAllStandardOutput();
  if (!number.endsWith('\n')) {
    error_ = QStringLiteral("Xvfb reported no display number in time");
    return false;
  }
  display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
  return true;
}

}  // namespace quillmoor::e2e
