// The about window over the real main window: modal, its version text, and
// link buttons that open their page and leave the window open.

#include "app/AboutWindow.h"
#include "app/MainWindowWiring.h"
#include "app/SupportLinks.h"
#include "platform/UiElements.h"
#include "tests/common/TestSupport.h"
#include "tests/shell/ShellFixture.h"
#include "tests/shell/UrlRecorder.h"

#include <QLabel>
#include <QPointer>

namespace quillmoor {
namespace {

class AboutWindow : public test::ShellWindowTest {
 protected:
  // Clicks the about button and runs `action` on the window from inside its
  // modal loop, then closes it; false when no window came up.
  bool whileAboutWindowIsOpen(const std::function<void(QWidget*)>& action) {
    bool appeared = false;
    QPointer<QWidget> about;
    test::whenModalAppears([&](QWidget* modal) {
      appeared = true;
      about = modal;
      action(modal);
      modal->close();
    });
    click(element::kAboutButton);
    EXPECT_TRUE(about.isNull()) << "the about window outlives its closing";
    return appeared;
  }
};

TEST_F(AboutWindow, IsModalOverTheMainWindowAndShowsTheVersion) {
  ASSERT_TRUE(whileAboutWindowIsOpen([&](QWidget* about) {
    EXPECT_EQ(about->parentWidget(), window());
    EXPECT_NE(about->windowModality(), Qt::NonModal);
    auto* version = FindElementAs<QLabel>(about, about_element::kVersionText);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "3.0");
  }));
}

TEST_F(AboutWindow, LinkButtonsOpenTheirPageAndLeaveTheWindowOpen) {
  test::UrlRecorder opened;
  ASSERT_TRUE(whileAboutWindowIsOpen([&](QWidget* about) {
    for (int id : {about_element::kForumSectionButton, about_element::kForumHomeButton}) {
      click(id, about);
      EXPECT_TRUE(about->isVisible()) << "after button " << id;
    }
  }));
  EXPECT_EQ(opened.urls(), (QList<QUrl>{link::ForumSection(), link::ForumHome()}));
}

}  // namespace
}  // namespace quillmoor
