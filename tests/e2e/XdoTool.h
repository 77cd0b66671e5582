#pragma once
// Finding windows and sending keys and mouse clicks through the X server,
// as a user would, with xdotool. Every call has a deadline.

#include <QDeadlineTimer>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace quillmoor::e2e {

using WindowId = unsigned long;

class XdoTool {
 public:
  explicit XdoTool(QString display) : display_(std::move(display)) {}

  // The first visible window of process `pid` whose title holds `title`,
  // once it is mapped.
  std::optional<WindowId> waitForWindow(qint64 pid, const QString& title, QDeadlineTimer deadline) const;
  bool placeWindow(WindowId window, QPoint position, QSize size) const;
  bool click(WindowId window, QPoint point) const;
  bool doubleClick(WindowId window, QPoint point) const;
  // Key names as xdotool knows them: "Next", "ctrl+a", "asterisk".
  bool keys(const QStringList& names) const;
  bool type(const QString& text) const;
  bool focus(WindowId window) const;

 private:
  struct Result {
    bool ok = false;
    QString out;
  };
  Result run(const QStringList& args, QDeadlineTimer deadline = QDeadlineTimer(10000)) const;

  QString display_;
};

}  // namespace quillmoor::e2e
