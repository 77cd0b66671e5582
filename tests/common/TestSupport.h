#pragma once
// Small helpers shared by the test areas: where the build put things, running a
// child process, and closing the modal boxes a handler opens.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace quillmoor::test {

// The built program's directory (bin/), where the sample data lies beside it.
QString programDir();
// The source tree (for fixture scripts and ui/ files).
QString sourceDir();
// A folder for fixtures generated at test time; created on demand.
QString fixtureDir();

struct ProcessResult {
  bool finished = false;  // false when it had to be killed at the time limit
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

// Runs a program to its end (killed after timeoutMs) and gathers its output.
ProcessResult runProcess(const QString& program, const QStringList& args,
                         const QString& workingDir = {}, int timeoutMs = 60000,
                         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Schedules `action` to run on the first modal widget (message box, dialog,
// menu) that appears within timeoutMs, from inside its event loop; returns at once.
void whenModalAppears(std::function<void(QWidget*)> action, int timeoutMs = 5000);

}  // namespace quillmoor::test
