#pragma once
// The page keys, seen through an application-level key filter while the main
// window is the active window. Only the navigation keys act; every key,
// those included, still reaches the focused widget, so a page number can be
// typed into the page box and the other programs on the desktop are never
// watched.

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace quillmoor {

enum class KeyState;

class PageKeyFilter : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(int keyCode, KeyState state)>;

  PageKeyFilter(QWidget* mainWindow, Handler handler);
  ~PageKeyFilter() override;

  // The virtual-key code of a navigation key; 0 for any other key.
  static int NavigationKeyCode(int qtKey);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool isFirstReceiver(QObject* watched) const;

  QWidget* mainWindow_;
  Handler handler_;
};

// Installs the filter once per main window: a second call leaves the first
// filter and its handler in place. The filter lives as long as the window.
PageKeyFilter* installKeyHook(QWidget* mainWindow, PageKeyFilter::Handler handler);

}  // namespace quillmoor
