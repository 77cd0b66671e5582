#pragma once
// A virtual X server for one test: Xvfb on the first free display number
// (it reports the number itself through -displayfd), stopped by its process
// id when the test ends.

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>

namespace quillmoor::e2e {

class XvfbServer {
 public:
  XvfbServer() = default;
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // Starts the server and waits until it accepts clients.
  bool start(QDeadlineTimer deadline);
  // ":N" once started.
  QString display() const { return display_; }
  QString error() const { return error_; }

 private:
  QProcess process_;
  QString display_;
  QString error_;
};

}  // namespace quillmoor::e2e
