#pragma once
// The program under test as a child process on an X display, with its
// diagnostic category switched on: its lines on standard error are how the
// test learns what the page box and the page count box show.

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillmoor::e2e {

class ProgramProcess {
 public:
  ProgramProcess() = default;
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  bool start(const QString& program, const QString& display);
  qint64 pid() const { return process_.processId(); }

  // Waits until each of the diagnostic lines `texts` (without their
  // category), in any order, has come after the lines waited for before, so
  // that a repeated text must be a new line.
  bool waitForDiagnostics(const QStringList& texts, QDeadlineTimer deadline);
  // The exit code once the program has ended normally, nothing when it
  // crashed or was still running at the deadline.
  std::optional<int> waitForExit(QDeadlineTimer deadline);
  // Everything the program has written to standard error so far, for failure messages.
  QString errorOutput();

 private:
  void readLines();
  // Where each text is among the new lines, or -1.
  qsizetype lastOf(const QStringList& texts) const;

  QProcess process_;
  QByteArray errorBytes_;
  QString errorOutput_;
  QStringList lines_;
  qsizetype nextLine_ = 0;
};

}  // namespace quillmoor::e2e
