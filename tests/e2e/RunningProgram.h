#pragma once
// The program under test running on its own virtual X server: started, its
// main window found through the X server and placed at a known size, its
// picture read back, and closed as a user closes it.

#include "tests/e2e/ProgramProcess.h"
#include "tests/e2e/ScreenshotLog.h"
#include "tests/e2e/XDisplayConnection.h"
#include "tests/e2e/XdoTool.h"
#include "tests/e2e/XvfbServer.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

namespace quillmoor::e2e {

class RunningProgram {
 public:
  explicit RunningProgram(const QString& caseName);
  ~RunningProgram();

  // Starts the X server and `program`, waits for its main window and places
  // it at 0,0 with spot::kWindowSize. False with error() set on failure.
  bool start(const QString& program);
  QString error() const { return error_; }

  ProgramProcess& process() { return process_; }
  const XdoTool& input() const { return *input_; }
  WindowId window() const { return window_; }

  // The window's picture as it is now.
  QImage picture() const;
  // The window's picture once its `region` has stopped changing; null at
  // the deadline. Only the region counts, so that a blinking text cursor
  // elsewhere does not keep it from settling.
  QImage stillPicture(QRect region, QDeadlineTimer deadline) const;
  // The still picture once `region` of it differs from `before`; null at the deadline.
  QImage changedPicture(const QImage& before, QRect region, QDeadlineTimer deadline) const;
  // Keeps a screenshot of a step (see ScreenshotLog).
  QString shoot(const QString& step, const QImage& picture) { return screenshots_.save(step, picture); }

  // Closes the main window as a window manager's close button does and waits
  // for the program to end: its exit code, nothing when it did not end
  // normally before the deadline.
  std::optional<int> closeAndWait(QDeadlineTimer deadline);

 private:
  bool placeWindow(QDeadlineTimer deadline);

  ScreenshotLog screenshots_;
  XvfbServer server_;
  ProgramProcess process_;  // after the server: it ends before the server stops
  std::unique_ptr<XdoTool> input_;
  std::unique_ptr<XDisplayConnection> connection_;
  WindowId window_ = 0;
  QString error_;
};

}  // namespace quillmoor::e2e
