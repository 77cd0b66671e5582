// The support links: their form, and the main window's link buttons handing
// exactly their target to the desktop's URL handler.

#include "app/MainWindowWiring.h"
#include "app/SupportLinks.h"
#include "tests/shell/ShellFixture.h"
#include "tests/shell/UrlRecorder.h"

#include <QUrlQuery>

namespace quillmoor {
namespace {

using QueryItems = QList<std::pair<QString, QString>>;

TEST(SupportLinkForms, ChatIsTheClientsMessageLinkWithItsKeysInOrder) {
  const QUrl chat = link::Chat();
  ASSERT_TRUE(chat.isValid()) << chat.errorString().toStdString();
  EXPECT_EQ(chat.scheme(), "tencent");
  EXPECT_EQ(chat.host(), "message");
  const QueryItems items = QUrlQuery(chat).queryItems();
  ASSERT_EQ(items.size(), 4) << chat.toString().toStdString();
  const QString contact = items[0].second;
  bool isNumber = false;
  contact.toULongLong(&isNumber);
  EXPECT_TRUE(isNumber) << contact.toStdString();
  EXPECT_EQ(items, (QueryItems{{"uin", contact}, {"uin", ""}, {"site", "qq"}, {"menu", "yes"}}));
  EXPECT_TRUE(chat.toString().endsWith("?uin=" + contact + "&uin=&site=qq&menu=yes")) << chat.toString().toStdString();
}

TEST(SupportLinkForms, ForumSectionIsAPageOnTheForumsHost) {
  const QUrl home = link::ForumHome();
  const QUrl section = link::ForumSection();
  ASSERT_TRUE(home.isValid());
  EXPECT_EQ(section.scheme(), home.scheme());
  EXPECT_EQ(section.host(), home.host());
  EXPECT_TRUE(section.path().endsWith("/forum.php")) << section.toString().toStdString();
  EXPECT_EQ(section.query(), "mod=forumdisplay&fid=2");
}

TEST(SupportLinkForms, WebLinksAreWebAddresses) {
  for (const QUrl& url : {link::ForumHome(), link::ForumSection(), link::Group()}) {
    SCOPED_TRACE(url.toString().toStdString());
    EXPECT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), "https");
    EXPECT_FALSE(url.host().isEmpty());
  }
}

struct LinkButton {
  const char* name;
  int id;
  QUrl (*target)();
};

void PrintTo(const LinkButton& t, std::ostream* out) { *out << t.name; }

const LinkButton kMainLinkButtons[] = {
    {"Forum", element::kForumButton, link::ForumHome},
    {"Chat", element::kChatButton, link::Chat},
    {"Group", element::kGroupButton, link::Group},
};

class MainLinkButtons : public test::ShellWindowTest, public testing::WithParamInterface<LinkButton> {};

TEST_P(MainLinkButtons, HandExactlyTheirTargetToTheUrlHandler) {
  test::UrlRecorder opened;
  click(GetParam().id);
  EXPECT_EQ(opened.urls(), QList<QUrl>{GetParam().target()});
}

INSTANTIATE_TEST_SUITE_P(Buttons, MainLinkButtons, testing::ValuesIn(kMainLinkButtons),
                         [](const testing::TestParamInfo<LinkButton>& info) { return info.param.name; });

}  // namespace
}  // namespace quillmoor
