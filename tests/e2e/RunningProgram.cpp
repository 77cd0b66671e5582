#include "tests/e2e/RunningProgram.h"

#include "tests/e2e/WindowSpots.h"

#include <QThread>

namespace quillmoor::e2e {
namespace {

// The X server tells nobody when a client has finished painting, so a
// picture counts as still when a few grabs in a row are alike.
constexpr int kPollMs = 60;
constexpr int kAlikeGrabs = 3;

}  // namespace

RunningProgram::RunningProgram(const QString& caseName) : screenshots_(caseName) {}

RunningProgram::~RunningProgram() = default;

bool RunningProgram::start(const QString& program) {
  const QDeadlineTimer deadline(30000);
  if (!server_.start(deadline)) {
    error_ = server_.error();
    return false;
  }
  input_ = std::make_unique<XdoTool>(server_.display());
  connection_ = std::make_unique<XDisplayConnection>(server_.display());
  if (!connection_->isOpen() || !process_.start(program, server_.display())) {
    error_ = QStringLiteral("cannot start %1 on %2").arg(program, server_.display());
    return false;
  }
  const std::optional<WindowId> window = input_->waitForWindow(process_.pid(), QStringLiteral("Quillmoor"), deadline);
  if (!window) {
    error_ = QStringLiteral("no main window appeared; the program said:\n") + process_.errorOutput();
    return false;
  }
  window_ = *window;
  return placeWindow(deadline);
}

bool RunningProgram::placeWindow(QDeadlineTimer deadline) {
  const QRect wanted(QPoint(0, 0), spot::kWindowSize);
  if (!input_->placeWindow(window_, wanted.topLeft(), wanted.size())) {
    error_ = QStringLiteral("xdotool could not place the main window");
    return false;
  }
  while (connection_->geometry(window_) != wanted) {
    if (deadline.hasExpired()) {
      error_ = QStringLiteral("the main window did not take its place and size");
      return false;
    }
    QThread::msleep(kPollMs);
  }
  // Keys go to the window that has the input focus; there is no window
  // manager to give it.
  if (!input_->focus(window_)) {
    error_ = QStringLiteral("the main window did not take the input focus");
    return false;
  }
  return true;
}

QImage RunningProgram::picture() const { return connection_->grab(window_); }

QImage RunningProgram::stillPicture(QRect region, QDeadlineTimer deadline) const {
  QImage last = connection_->grab(window_, region);
  int alike = 1;
  while (!deadline.hasExpired()) {
    QThread::msleep(kPollMs);
    QImage next = connection_->grab(window_, region);
    alike = !next.isNull() && next == last ? alike + 1 : 1;
    if (alike >= kAlikeGrabs) return picture();
    last = std::move(next);
  }
  return {};
}

QImage RunningProgram::changedPicture(const QImage& before, QRect region, QDeadlineTimer deadline) const {
  const QImage old = before.copy(region);
  while (!deadline.hasExpired()) {
    QImage still = stillPicture(region, deadline);
    if (!still.isNull() && still.copy(region) != old) return still;
  }
  return {};
}

std::optional<int> RunningProgram::closeAndWait(QDeadlineTimer deadline) {
  if (!connection_->requestClose(window_)) return std::nullopt;
  return process_.waitForExit(deadline);
}

}  // namespace quillmoor::e2e
