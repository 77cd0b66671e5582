#include "tests/e2e/ScreenshotLog.h"

#include <QDir>

#include <cstdio>

namespace quillmoor::e2e {

ScreenshotLog::ScreenshotLog(const QString& caseName)
    : folder_(QStringLiteral(QUILLMOOR_BINARY_DIR "/e2e-screenshots/") + caseName) {
  QDir(folder_).removeRecursively();
  QDir().mkpath(folder_);
}

QString ScreenshotLog::save(const QString& step, const QImage& picture) {
  const QString path = QStringLiteral("%1/%2-%3.png").arg(folder_).arg(++count_, 2, 10, QLatin1Char('0')).arg(step);
  if (picture.isNull() || !picture.save(path)) return {};
  std::printf("screenshot: %s\n", qPrintable(path));
  std::fflush(stdout);
  return path;
}

}  // namespace quillmoor::e2e
