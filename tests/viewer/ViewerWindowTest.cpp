#include "app/MainWindowWiring.h"
#include "app/Startup.h"
#include "platform/UiElements.h"
#include "platform/UiPictureShape.h"
#include "platform/UiTreeAdapter.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/common/TestSupport.h"
#include "viewer/DocumentSession.h"
#include "viewer/OutlinePanel.h"
#include "viewer/PageView.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace quillmoor {
namespace {

constexpr int kDefaultAtlasPages = 24;

QString SampleAtlas(const char* name) { return QDir(test::programDir()).filePath(QString::fromUtf8(name)); }

// The program started on a data directory, its main window shown and active.
class ViewerWindow : public testing::Test {
 protected:
  void start(const QString& dataDir = {}) {
    started_ = test::StartShownMainWindow(dataDir);
    ASSERT_TRUE(started_.state) << started_.error.toStdString();
    ASSERT_TRUE(started_.error.isEmpty()) << started_.error.toStdString();
    window_ = started_.state->mainWindow.get();
  }
  AppState& state() { return *started_.state; }
  QLineEdit* pageBox() { return FindElementAs<QLineEdit>(window_, element::kPageBox); }
  QString pageBoxText() { return pageBox()->text(); }
  QString pageCountText() { return FindElementAs<QLineEdit>(window_, element::kPageCountBox)->text(); }
  UiPictureShape* picture() { return FindElementAs<UiPictureShape>(window_, element::kPagePicture); }
  int currentPage() { return state().session->currentPage(); }
  void click(int id) { QTest::mouseClick(FindElementAs<QAbstractButton>(window_, id), Qt::LeftButton); }
  void setBox(const QString& text) { pageBox()->setText(text); }
  void pressKey(Qt::Key key) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_;
    QTest::keyClick(target, key);
  }
  QImage renderOf(int page) { return state().session->renderPage(page, kDisplayDpi); }

  StartupResult started_;
  QWidget* window_ = nullptr;
};

TEST_F(ViewerWindow, DefaultAtlasOpensOnPageOne) {
  start();
  EXPECT_EQ(pageBoxText(), QStringLiteral("1"));
  EXPECT_EQ(pageCountText(), QString::number(kDefaultAtlasPages));
  ASSERT_TRUE(picture()->hasImage());
  EXPECT_EQ(picture()->image(), renderOf(1));
  EXPECT_GT(state().outlineAdapter->rowCount(), 0);
}

TEST_F(ViewerWindow, ButtonsStopAtTheEnds) {
  start();
  click(element::kPrevPageButton);
  EXPECT_EQ(currentPage(), 1);
  EXPECT_EQ(pageBoxText(), QStringLiteral("1"));
  click(element::kNextPageButton);
  EXPECT_EQ(currentPage(), 2);
  EXPECT_EQ(picture()->image(), renderOf(2));
  state().session->setCurrentPage(kDefaultAtlasPages);
  click(element::kNextPageButton);
  EXPECT_EQ(currentPage(), kDefaultAtlasPages);
  EXPECT_EQ(pageBoxText(), QString::number(kDefaultAtlasPages));
}

struct KeyCase {
  const char* name;
  const char* box;  // what the page box holds before the key
  Qt::Key key;
  int page;         // the page shown afterwards, and written into the box
};

class PageKeys : public ViewerWindow, public testing::WithParamInterface<KeyCase> {};

TEST_P(PageKeys, StartFromThePageBox) {
  start();
  state().session->setCurrentPage(3);  // the keys read the box, not the current page
  setBox(QString::fromLatin1(GetParam().box));
  pressKey(GetParam().key);
  EXPECT_EQ(currentPage(), GetParam().page);
  EXPECT_EQ(pageBoxText(), QString::number(GetParam().page));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageKeys,
    testing::Values(KeyCase{"EnterShowsTheBoxPage", "12", Qt::Key_Return, 12},
                    KeyCase{"KeypadEnter", "7", Qt::Key_Enter, 7},
                    KeyCase{"PageDownFromBox", "5", Qt::Key_PageDown, 6},
                    KeyCase{"RightFromBox", "5", Qt::Key_Right, 6},
                    KeyCase{"DownFromBox", "5", Qt::Key_Down, 6},
                    KeyCase{"PageDownAtLastStays", "24", Qt::Key_PageDown, 24},
                    KeyCase{"DownAtLastStays", "24", Qt::Key_Down, 24},
                    KeyCase{"PageUpFromBox", "5", Qt::Key_PageUp, 4},
                    KeyCase{"LeftFromBox", "5", Qt::Key_Left, 4},
                    KeyCase{"UpAtFirstStays", "1", Qt::Key_Up, 1},
                    KeyCase{"PageUpAtFirstStays", "1", Qt::Key_PageUp, 1},
                    KeyCase{"HomeWhateverTheBox", "17", Qt::Key_Home, 1},
                    KeyCase{"EndWhateverTheBox", "2", Qt::Key_End, 24},
                    KeyCase{"EnterOnTextGivesPageZero", "abc", Qt::Key_Return, 0},
                    KeyCase{"EnterOnNegative", "-5", Qt::Key_Return, -5},
                    KeyCase{"EnterPastTheEnd", "999999", Qt::Key_Return, 999999},
                    KeyCase{"LeadingDigitsOnly", "8x", Qt::Key_Return, 8}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(ViewerWindow, TypingANumberIntoTheBoxAndEnterShowsIt) {
  start();
  pageBox()->setFocus();
  pageBox()->selectAll();
  QTest::keyClicks(pageBox(), QStringLiteral("12"));
  EXPECT_EQ(pageBoxText(), QStringLiteral("12"));  // digits reach the box untouched
  QTest::keyClick(pageBox(), Qt::Key_Return);
  EXPECT_EQ(currentPage(), 12);
  EXPECT_EQ(picture()->image(), renderOf(12));
}

TEST_F(ViewerWindow, KeyUpAndOtherKeysChangeNothing) {
  start();
  pageBox()->setFocus();
  setBox(QStringLiteral("9"));
  QTest::keyRelease(pageBox(), Qt::Key_PageDown);
  EXPECT_EQ(currentPage(), 1);
  QTest::keyClick(pageBox(), Qt::Key_A);
  EXPECT_EQ(currentPage(), 1);
  EXPECT_EQ(pageBoxText(), QStringLiteral("9a"));
}

TEST_F(ViewerWindow, KeysActOnlyWhileTheMainWindowIsActive) {
  start();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QTest::keyClick(&other, Qt::Key_End);
  EXPECT_EQ(currentPage(), 1);
}

TEST_F(ViewerWindow, PagesOutsideTheDocumentShowAnEmptyPage) {
  start();
  for (const char* box : {"0", "-5", "999999", "abc"}) {
    setBox(QString::fromLatin1(box));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(picture()->hasImage()) << box;
    picture()->grab();
  }
  EXPECT_FALSE(test::AnyMessageBoxShown());
  setBox(QStringLiteral("3"));
  pressKey(Qt::Key_Return);
  EXPECT_TRUE(picture()->hasImage());
}

void DoubleClickItem(QTreeView* tree, const QModelIndex& index) {
  tree->scrollTo(index);
  const QPoint at = tree->visualRect(index).center();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

TEST_F(ViewerWindow, OutlineDoubleClickShowsItsPage) {
  start();
  UiTreeAdapter& outline = *state().outlineAdapter;
  const int last = static_cast<int>(outline.rowCount()) ;
  ASSERT_GT(last, 2);
  const QModelIndex entry = outline.index(last - 1, 0);
  const int page = outline.itemText(outline.itemAt(entry), QStringLiteral("pageno")).toInt();
  ASSERT_GT(page, 1);
  DoubleClickItem(state().outlineTree, entry);
  EXPECT_EQ(currentPage(), page);
  EXPECT_EQ(pageBoxText(), QString::number(page));
  DoubleClickItem(state().outlineTree, entry);  // again: the same page
  EXPECT_EQ(currentPage(), page);
}

TEST_F(ViewerWindow, OutlineIsFlatInEngineOrder) {
  start();
  const DocumentSession& session = *state().session;
  UiTreeAdapter& outline = *state().outlineAdapter;
  ASSERT_EQ(outline.rowCount(), session.outlineCount());
  for (int i = 1; i <= session.outlineCount(); ++i) {
    const int item = outline.itemAt(outline.index(i - 1, 0));
    EXPECT_EQ(outline.childCount(item), 0);
    EXPECT_EQ(outline.itemText(item, QStringLiteral("title")).toStdString(),
              session.outlineTitle(session.outlineId(i)));
  }
}

TEST_F(ViewerWindow, ASecondAtlasReplacesTheOutline) {
  start();
  DocumentSession& session = *state().session;
  session.openDocument(SampleAtlas("atlases/16G101-2.pdf").toStdString());
  fillOutline(*state().outlineAdapter, session);
  EXPECT_EQ(state().outlineAdapter->rowCount(), session.outlineCount());
  const int first = state().outlineAdapter->itemAt(state().outlineAdapter->index(0, 0));
  EXPECT_TRUE(state().outlineAdapter->itemText(first, QStringLiteral("title")).size() > 0);
  EXPECT_NE(session.pageCount(), kDefaultAtlasPages);
}

// A default atlas that is missing or broken: the window still comes up, with
// an empty page and no message.
struct BadAtlas {
  const char* name;
  QByteArray (*content)();  // null: no file at all
  bool mayPartlyLoad = false;  // the engine may repair it and show what survived
};

class BadDefaultAtlas : public ViewerWindow, public testing::WithParamInterface<BadAtlas> {};

QByteArray FixtureBytes(const char* name) {
  QFile file(QDir(test::fixtureDir()).filePath(QStringLiteral("pdf/") + QString::fromLatin1(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray RealAtlasBytes() {
  QFile file(SampleAtlas(kDefaultAtlasName));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_P(BadDefaultAtlas, WindowComesUpWithAnEmptyPage) {
  QTemporaryDir dataDir;
  if (GetParam().content) {
    QFile file(QDir(dataDir.path()).filePath(QString::fromLatin1(kDefaultAtlasName)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().content());
  }
  start(dataDir.path());
  EXPECT_EQ(pageBoxText(), QStringLiteral("1"));
  if (!GetParam().mayPartlyLoad) {
    EXPECT_EQ(pageCountText(), QStringLiteral("0"));
    EXPECT_FALSE(picture()->hasImage());
    EXPECT_EQ(state().outlineAdapter->rowCount(), 0);
  }
  click(element::kNextPageButton);
  pressKey(Qt::Key_End);
  picture()->grab();
  EXPECT_FALSE(test::AnyMessageBoxShown());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadDefaultAtlas,
    testing::Values(BadAtlas{"Missing", nullptr},
                    BadAtlas{"Empty", [] { return QByteArray(); }},
                    BadAtlas{"TextNamedPdf", [] { return QByteArray("这不是一个 PDF 文件\n"); }},
                    BadAtlas{"Truncated", [] { return RealAtlasBytes().left(RealAtlasBytes().size() / 3); }, true},
                    BadAtlas{"HeaderOnly", [] { return QByteArray("%PDF-1.7\n"); }},
                    BadAtlas{"NeedsAPassword", [] { return FixtureBytes("encrypted.pdf"); }},
                    BadAtlas{"HugePage", [] { return FixtureBytes("huge-page.pdf"); }, true}),
    [](const testing::TestParamInfo<BadAtlas>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmoor
