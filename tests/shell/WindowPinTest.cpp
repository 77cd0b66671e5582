// The pin button puts the real main window into the stay-on-top band and
// takes it out again, on the same native window and without moving it.

#include "app/MainWindowWiring.h"
#include "tests/shell/ShellFixture.h"

#include <QAbstractButton>
#include <QEvent>
#include <QWindow>

namespace quillmoor {
namespace {

// Counts how often a widget is hidden while the counter lives: changing the
// band through the widget's own flags hides and maps the window again, and
// the window manager may then place it anew.
class HideCounter : public QObject {
 public:
  explicit HideCounter(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
  ~HideCounter() override { widget_->removeEventFilter(this); }
  int hides() const { return hides_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide) ++hides_;
    return false;
  }

 private:
  QWidget* widget_;
  int hides_ = 0;
};

class WindowPin : public test::ShellWindowTest {};

TEST_F(WindowPin, EachClickTogglesStayingOnTopInPlace) {
  QWindow* handle = window()->windowHandle();
  ASSERT_NE(handle, nullptr);
  const WId nativeWindow = handle->winId();
  const QPlatformWindow* platformWindow = handle->handle();
  window()->move(123, 87);
  const QRect geometry = window()->geometry();
  auto* pin = qobject_cast<QAbstractButton*>(element(element::kPinButton));
  ASSERT_FALSE(handle->flags().testFlag(Qt::WindowStaysOnTopHint));
  const HideCounter hidden(window());

  for (bool expectOnTop : {true, false, true}) {
    SCOPED_TRACE(expectOnTop);
    click(element::kPinButton);
    EXPECT_EQ(pin->isChecked(), expectOnTop);
    EXPECT_EQ(handle->flags().testFlag(Qt::WindowStaysOnTopHint), expectOnTop);
    EXPECT_EQ(window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint), expectOnTop);
    EXPECT_EQ(window()->windowHandle(), handle);
    EXPECT_EQ(handle->winId(), nativeWindow);
    EXPECT_EQ(handle->handle(), platformWindow) << "the native window was made anew";
    EXPECT_EQ(window()->geometry(), geometry);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(hidden.hides(), 0);
  }
}

}  // namespace
}  // namespace quillmoor
