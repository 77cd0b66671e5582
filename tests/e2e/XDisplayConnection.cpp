#include "tests/e2e/XDisplayConnection.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace quillmoor::e2e {
namespace {

// Xlib's default error handler ends the process; a window that has gone away
// must only make the request fail.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

XDisplayConnection::XDisplayConnection(const QString& display) {
  XSetErrorHandler(IgnoreError);
  display_ = XOpenDisplay(display.toLocal8Bit().constData());
}

XDisplayConnection::~XDisplayConnection() {
  if (display_) XCloseDisplay(display_);
}

QImage XDisplayConnection::grab(WindowId window, QRect region) const {
  XWindowAttributes attributes;
  if (!display_ || !XGetWindowAttributes(display_, window, &attributes) || attributes.map_state != IsViewable)
    return {};
  const QRect whole(0, 0, attributes.width, attributes.height);
  const QRect part = region.isEmpty() ? whole : region.intersected(whole);
  if (part.isEmpty()) return {};
  XImage* image = XGetImage(display_, window, part.x(), part.y(), part.width(), part.height(), AllPlanes, ZPixmap);
  if (!image) return {};
  QImage picture;
  if (image->bits_per_pixel == 32)
    picture = QImage(reinterpret_cast<const uchar*>(image->data), image->width, image->height, image->bytes_per_line,
                     QImage::Format_RGB32)
                  .copy();
  XDestroyImage(image);
  return picture;
}

QRect XDisplayConnection::geometry(WindowId window) const {
  XWindowAttributes attributes;
  if (!display_ || !XGetWindowAttributes(display_, window, &attributes)) return {};
  return QRect(attributes.x, attributes.y, attributes.width, attributes.height);
}

bool XDisplayConnection::requestClose(WindowId window) const {
  if (!display_) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const bool sent = XSendEvent(display_, window, False, NoEventMask, &event) != 0;
  XSync(display_, False);
  return sent;
}

}  // namespace quillmoor::e2e
