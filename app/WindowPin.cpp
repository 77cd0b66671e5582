#include "app/WindowPin.h"

#include "app/MainWindowWiring.h"
#include "platform/UiElements.h"

#include <QAbstractButton>
#include <QWidget>
#include <QWindow>

namespace quillmoor {
namespace {

// QWidget::setWindowFlag would hide the window and map it again: it flickers,
// and the window manager may place it anew. The flag is changed on the
// existing native window instead, and the widget is told the same without
// touching the window system again.
void SetStaysOnTop(QWidget* window, bool on) {
  Qt::WindowFlags flags = window->windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, on);
  window->overrideWindowFlags(flags);
  if (QWindow* handle = window->windowHandle()) handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

}  // namespace

void TogglePinOnTop(QWidget* mainWindow) {
  if (!mainWindow) return;
  auto* pin = FindElementAs<QAbstractButton>(mainWindow, element::kPinButton);
  if (!pin) return;
  // The button has taken its new state when the click arrives: the window
  // follows it.
  SetStaysOnTop(mainWindow, pin->isChecked());
}

}  // namespace quillmoor
