#pragma once
// A client connection to the test's X server, for what xdotool does not do
// as a desktop would: reading a window's picture and asking a window to close
// the way a window manager's close button does.

#include "tests/e2e/XdoTool.h"

#include <QImage>
#include <QRect>
#include <QString>

struct _XDisplay;

namespace quillmoor::e2e {

class XDisplayConnection {
 public:
  explicit XDisplayConnection(const QString& display);
  ~XDisplayConnection();
  XDisplayConnection(const XDisplayConnection&) = delete;
  XDisplayConnection& operator=(const XDisplayConnection&) = delete;

  bool isOpen() const { return display_ != nullptr; }
  // The picture of `region` of the window (all of it for an empty region);
  // null when the window is gone or not viewable.
  QImage grab(WindowId window, QRect region = {}) const;
  // The window's place on the screen; empty when it is gone.
  QRect geometry(WindowId window) const;
  // Sends WM_DELETE_WINDOW, the request a window manager sends when the
  // user closes a window.
  bool requestClose(WindowId window) const;

 private:
  _XDisplay* display_ = nullptr;
};

}  // namespace quillmoor::e2e
