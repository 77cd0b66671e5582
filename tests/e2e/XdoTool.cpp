#include "tests/e2e/XdoTool.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace quillmoor::e2e {
namespace {

QStringList MoveTo(WindowId window, QPoint point) {
  return {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window), QString::number(point.x()),
          QString::number(point.y())};
}

}  // namespace

XdoTool::Result XdoTool::run(const QStringList& args, QDeadlineTimer deadline) const {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), display_);
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral("xdotool"), args);
  Result result;
  if (!process.waitForFinished(deadline.remainingTime())) {
    process.kill();
    process.waitForFinished(5000);
    return result;
  }
  result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  result.out = QString::fromUtf8(process.readAllStandardOutput());
  return result;
}

std::optional<WindowId> XdoTool::waitForWindow(qint64 pid, const QString& title, QDeadlineTimer deadline) const {
  const Result found =
      run({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
           QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"), title},
          deadline);
  bool number = false;
  const WindowId window = found.out.section(QLatin1Char('\n'), 0, 0).toULong(&number);
  if (!found.ok || !number) return std::nullopt;
  return window;
}

bool XdoTool::placeWindow(WindowId window, QPoint position, QSize size) const {
  const QString id = QString::number(window);
  return run({QStringLiteral("windowmove"), id, QString::number(position.x()), QString::number(position.y()),
              QStringLiteral("windowsize"), id, QString::number(size.width()), QString::number(size.height())})
      .ok;
}

bool XdoTool::click(WindowId window, QPoint point) const {
  return run(MoveTo(window, point) << QStringLiteral("click") << QStringLiteral("1")).ok;
}

// Two presses well inside the toolkit's double-click interval.
bool XdoTool::doubleClick(WindowId window, QPoint point) const {
  return run(MoveTo(window, point) << QStringLiteral("click") << QStringLiteral("--repeat") << QStringLiteral("2")
                                   << QStringLiteral("--delay") << QStringLiteral("80") << QStringLiteral("1"))
      .ok;
}

bool XdoTool::keys(const QStringList& names) const { return run(QStringList{QStringLiteral("key")} + names).ok; }

bool XdoTool::type(const QString& text) const { return run({QStringLiteral("type"), text}).ok; }

bool XdoTool::focus(WindowId window) const {
  return run({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)}).ok;
}

}  // namespace quillmoor::e2e
