#include "viewer/PageKeyFilter.h"

#include "viewer/PageView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quillmoor {

PageKeyFilter::PageKeyFilter(QWidget* mainWindow, Handler handler)
    : QObject(mainWindow), mainWindow_(mainWindow), handler_(std::move(handler)) {
  setObjectName(QStringLiteral("quillmoor-page-keys"));
  qApp->installEventFilter(this);
}

PageKeyFilter::~PageKeyFilter() {
  if (qApp) qApp->removeEventFilter(this);
}

int PageKeyFilter::NavigationKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return: case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_PageUp: return kKeyPageUp;
    case Qt::Key_PageDown: return kKeyPageDown;
    case Qt::Key_End: return kKeyEnd;
    case Qt::Key_Home: return kKeyHome;
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    default: return 0;
  }
}

// A key event travels from the window to the focus widget and on up through
// its parents while they ignore it; it must act once, at its first widget.
bool PageKeyFilter::isFirstReceiver(QObject* watched) const {
  if (!watched->isWidgetType()) return false;
  QWidget* focus = QApplication::focusWidget();
  return focus ? watched == focus : watched == mainWindow_;
}

bool PageKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  if (QApplication::activeWindow() != mainWindow_ || !isFirstReceiver(watched)) return false;
  const int code = NavigationKeyCode(static_cast<QKeyEvent*>(event)->key());
  if (code != 0) handler_(code, type == QEvent::KeyPress ? KeyState::Down : KeyState::Up);
  return false;  // never swallowed
}

PageKeyFilter* installKeyHook(QWidget* mainWindow, PageKeyFilter::Handler handler) {
  if (auto* existing = mainWindow->findChild<PageKeyFilter*>(QStringLiteral("quillmoor-page-keys"),
                                                            Qt::FindDirectChildrenOnly))
    return existing;
  return new PageKeyFilter(mainWindow, std::move(handler));
}

}  // namespace quillmoor
