#include "tests/e2e/ProgramProcess.h"

#include <QProcessEnvironment>

#include <algorithm>

namespace quillmoor::e2e {
namespace {

constexpr char kCategoryPrefix[] = "quillmoor.diagnostic: ";

QProcessEnvironment EnvironmentOn(const QString& display) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  // The test itself runs on the offscreen platform; the program must not.
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.insert(QStringLiteral("DISPLAY"), display);
  environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("quillmoor.diagnostic=true"));
  environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
  environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
  // Read by sanitizer builds only.
  const QString leakOptions = environment.value(QStringLiteral("LSAN_OPTIONS"));
  environment.insert(QStringLiteral("LSAN_OPTIONS"),
                     (leakOptions.isEmpty() ? QString() : leakOptions + QLatin1Char(':')) +
                         QStringLiteral("suppressions=" QUILLMOOR_E2E_LSAN_SUPPRESSIONS));
  return environment;
}

}  // namespace

ProgramProcess::~ProgramProcess() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.kill();
  process_.waitForFinished(5000);
}

bool ProgramProcess::start(const QString& program, const QString& display) {
  process_.setProcessEnvironment(EnvironmentOn(display));
  process_.setStandardOutputFile(QProcess::nullDevice());
  process_.setReadChannel(QProcess::StandardError);  // what waitForReadyRead waits for
  process_.start(program, {});
  return process_.waitForStarted(10000);
}

void ProgramProcess::readLines() {
  // Decoded as a whole, so that a character split between two reads stays whole.
  errorBytes_ += process_.readAllStandardError();
  errorOutput_ = QString::fromUtf8(errorBytes_);
  const qsizetype complete = errorOutput_.lastIndexOf(QLatin1Char('\n'));
  // Only whole lines: the last one may still be arriving.
  lines_ = complete < 0 ? QStringList() : errorOutput_.left(complete).split(QLatin1Char('\n'));
}

QString ProgramProcess::errorOutput() {
  readLines();
  return errorOutput_;
}

qsizetype ProgramProcess::lastOf(const QStringList& texts) const {
  qsizetype last = nextLine_ - 1;
  for (const QString& text : texts) {
    const qsizetype at = lines_.indexOf(QLatin1String(kCategoryPrefix) + text, nextLine_);
    if (at < 0) return -1;
    last = std::max(last, at);
  }
  return last;
}

bool ProgramProcess::waitForDiagnostics(const QStringList& texts, QDeadlineTimer deadline) {
  for (;;) {
    readLines();
    if (const qsizetype last = lastOf(texts); last >= 0) {
      nextLine_ = last + 1;
      return true;
    }
    if (!process_.waitForReadyRead(deadline.remainingTime())) return false;
  }
}

std::optional<int> ProgramProcess::waitForExit(QDeadlineTimer deadline) {
  const bool ended = process_.state() == QProcess::NotRunning || process_.waitForFinished(deadline.remainingTime());
  readLines();
  if (!ended || process_.exitStatus() != QProcess::NormalExit) return std::nullopt;
  return process_.exitCode();
}

}  // namespace quillmoor::e2e
