#include "app/MainWindowWiring.h"
#include "app/StatusLine.h"
#include "app/Startup.h"
#include "platform/UiElements.h"
#include "platform/UiPictureShape.h"
#include "platform/UiTreeAdapter.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/common/TestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

namespace quillmoor {
namespace {

enum class Kind { Tree, Edit, Picture, Button, CheckButton, Text, Element };

struct ElementKind {
  int id;
  Kind kind;
};

// The main window's element table: every identifier with the kind of element it must be.
const ElementKind kMainElements[] = {
    {1, Kind::Tree},    {2, Kind::Edit},     {3, Kind::Edit},    {4, Kind::Picture},
    {5, Kind::Button},  {6, Kind::Text},     {7, Kind::Button},  {8, Kind::Button},
    {10, Kind::Button}, {11, Kind::Button},  {12, Kind::Button}, {13, Kind::Text},
    {17, Kind::Text},   {21, Kind::Element}, {22, Kind::Button}, {23, Kind::Element},
    {24, Kind::Element}, {25, Kind::Button}, {26, Kind::Button}, {27, Kind::Element},
    {28, Kind::Tree},   {29, Kind::Button},  {30, Kind::Button}, {31, Kind::Button},
    {32, Kind::CheckButton}, {37, Kind::Button},
};

bool IsOfKind(QWidget* w, Kind kind) {
  auto* button = qobject_cast<QAbstractButton*>(w);
  switch (kind) {
    case Kind::Tree: return qobject_cast<QTreeView*>(w) != nullptr;
    case Kind::Edit: return qobject_cast<QLineEdit*>(w) != nullptr;
    case Kind::Picture: return qobject_cast<UiPictureShape*>(w) != nullptr;
    case Kind::Button: return button && !button->isCheckable();
    case Kind::CheckButton: return button && button->isCheckable();
    case Kind::Text: return qobject_cast<QLabel*>(w) != nullptr;
    case Kind::Element: return w && !button && !qobject_cast<QLabel*>(w) && !qobject_cast<QLineEdit*>(w);
  }
  return false;
}

// Starts the program in one resource mode; loose files are read from the
// current directory, so that mode runs inside the source tree's ui/.
StartupResult StartInMode(ResourceMode mode) {
  const QString saved = QDir::currentPath();
  if (mode == ResourceMode::LooseFiles) QDir::setCurrent(test::sourceDir() + QStringLiteral("/ui"));
  StartupResult result = StartUp(test::TestStartupOptions(mode));
  QDir::setCurrent(saved);
  return result;
}

class MainWindowInMode : public testing::TestWithParam<ResourceMode> {};

TEST_P(MainWindowInMode, EveryElementIsThereWithItsKind) {
  StartupResult started = StartInMode(GetParam());
  ASSERT_TRUE(started.state) << started.error.toStdString();
  QWidget* window = started.state->mainWindow.get();
  for (const ElementKind& e : kMainElements) {
    QWidget* found = FindElement(window, e.id);
    ASSERT_NE(found, nullptr) << "element " << e.id;
    EXPECT_TRUE(IsOfKind(found, e.kind)) << "element " << e.id << " is a " << found->metaObject()->className();
  }
}

TEST_P(MainWindowInMode, ImagesAndStyleAreLoaded) {
  StartupResult started = StartInMode(GetParam());
  ASSERT_TRUE(started.state) << started.error.toStdString();
  auto* print = FindElementAs<QAbstractButton>(started.state->mainWindow.get(), element::kPrintButton);
  ASSERT_TRUE(print);
  EXPECT_FALSE(print->icon().isNull());
  EXPECT_FALSE(started.state->loader->styleSheet().contains(QLatin1Char('@')));
}

INSTANTIATE_TEST_SUITE_P(Modes, MainWindowInMode,
                         testing::Values(ResourceMode::LooseFiles, ResourceMode::EmbeddedArchive,
                                         ResourceMode::ArchiveFile),
                         [](const testing::TestParamInfo<ResourceMode>& info) {
                           return std::string(info.param == ResourceMode::LooseFiles        ? "LooseFiles"
                                              : info.param == ResourceMode::EmbeddedArchive ? "EmbeddedArchive"
                                                                                            : "ArchiveFile");
                         });

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    started_ = StartInMode(ResourceMode::EmbeddedArchive);
    ASSERT_TRUE(started_.state) << started_.error.toStdString();
    window_ = started_.state->mainWindow.get();
  }
  QString textOf(int id) { return FindElementAs<QLabel>(window_, id)->text(); }

  StartupResult started_;
  QWidget* window_ = nullptr;
};

TEST_F(MainWindow, ShowsTodaysDate) {
  EXPECT_EQ(textOf(element::kDate), QDate::currentDate().toString(QStringLiteral("yyyy年MM月dd日 ")));
}

TEST_F(MainWindow, ShowsEditionLabelOneBlankAndVersion) {
  EXPECT_EQ(textOf(element::kEditionLabel), QStringLiteral("结构版 3.0"));
  EXPECT_EQ(started_.state->versionText, "3.0");
}

TEST_F(MainWindow, StatusLineKeepsTheLastText) {
  SetStatusText(window_, "图集ID：1,该图集文件不存在");
  SetStatusText(window_, "双击打开，图集文件位于：/tmp/a.pdf");
  EXPECT_EQ(textOf(element::kStatusLine), QStringLiteral("双击打开，图集文件位于：/tmp/a.pdf"));
  EXPECT_EQ(StatusText(window_), "双击打开，图集文件位于：/tmp/a.pdf");
}

TEST_F(MainWindow, PageBoxesAreCentred) {
  for (int id : {element::kPageBox, element::kPageCountBox}) {
    auto* box = FindElementAs<QLineEdit>(window_, id);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  }
  EXPECT_EQ(FindElementAs<QLineEdit>(window_, element::kPageBox)->text(), QStringLiteral("1"));
}

TEST_F(MainWindow, TreesHaveTheirNamedColumns) {
  EXPECT_EQ(started_.state->catalogueAdapter->columns(),
            QStringList({"cate1", "cateid", "bookcode", "bookname", "bookfile", "booktotal", "bookid"}));
  EXPECT_EQ(started_.state->outlineAdapter->columns(), QStringList({"title", "pageno"}));
  EXPECT_TRUE(started_.state->atlasTemplate);
}

TEST(StartUp, WrongPasswordGivesAnErrorNotAWindow) {
  StartupOptions options = test::TestStartupOptions(ResourceMode::EmbeddedArchive);
  options.resourcePassword = "0123456789abcdef";
  const StartupResult started = StartUp(options);
  EXPECT_FALSE(started.state);
  EXPECT_FALSE(started.error.isEmpty());
}

}  // namespace
}  // namespace quillmoor
