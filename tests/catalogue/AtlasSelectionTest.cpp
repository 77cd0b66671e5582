// Selecting and opening atlases in the catalogue tree of the real main
// window: clicks and double-clicks on the tree's viewport, the status line,
// the page boxes, the outline and the page picture.

#include "app/MainWindowWiring.h"
#include "app/Startup.h"
#include "app/StatusLine.h"
#include "catalogue/CatalogueTree.h"
#include "platform/UiElements.h"
#include "platform/UiItemDelegate.h"
#include "platform/UiPictureShape.h"
#include "platform/UiTreeAdapter.h"
#include "tests/catalogue/CatalogueFixtures.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/common/TestSupport.h"
#include "viewer/DocumentSession.h"
#include "viewer/PageView.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace quillmoor {
namespace {

const test::CatalogueTables kCatalogue{
    "sublibid\tsublibname\tupsublibid\n"
    "1\t结构专业\t\n"
    "2\t混凝土结构\t1\n"
    "3\t平法施工图\t2\n"
    "4\t空分类\t2\n",
    "id\ttitle\tcode\tcode2\tClassID\n"
    "1\t现浇混凝土板式楼梯\t16G101-2\t1\t3\n"
    "2\t钢筋排布（板式楼梯）\t18G901-2\t2\t3\n"
    "3\t建筑物抗震构造详图\t11G329-1\t3\t3\n"
    "4\t钢结构节点构造详图\t16G519\t4\t3\n"
    "5\t独立基础、条形基础、筏形基础及桩基础\t16G101-3\t5\t3\n",
    "id\t图集所在文件夹\t文件名\n"
    "1\t@ATLASES@\t16G101-2.pdf\n"
    "2\t@DIR@\tstale.pdf\n"
    "4\t@DIR@\tfolder.pdf\n"
    "5\t@ATLASES@\t16G101-3.pdf\n"};

const char kStartStatus[] = "就绪：双击目录中的图集即可打开";

int PdfPageCount(const QString& file) {
  const test::ProcessResult info = test::runProcess(QStringLiteral("pdfinfo"), {file});
  const QRegularExpressionMatch pages =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
          .match(QString::fromUtf8(info.out));
  return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

class CatalogueWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = test::MakeCatalogueDir("selection", kCatalogue);
    QDir(dir_).mkdir(QStringLiteral("folder.pdf"));
    QFile::copy(test::programDir() + "/" + kDefaultAtlasName, dir_ + "/" + kDefaultAtlasName);
  }

  void start(const QString& dataDir = dir_) {
    started_ = test::StartShownMainWindow(dataDir);
    ASSERT_TRUE(started_.state) << started_.error.toStdString();
    window_ = started_.state->mainWindow.get();
    tree()->expandAll();
  }

  AppState& state() { return *started_.state; }
  QTreeView* tree() { return state().catalogueTree; }
  UiTreeAdapter& catalogue() { return *state().catalogueAdapter; }
  std::string status() { return StatusText(window_); }
  QString boxText(int id) { return FindElementAs<QLineEdit>(window_, id)->text(); }

  // The atlas whose code (after its mark) is `code`, or the category of that name.
  QModelIndex item(const char* name) {
    int found = UiTreeAdapter::kNoItem;
    ForEachItem(catalogue(), [&](int item, int) {
      const QString code = catalogue().itemText(item, column::kAtlasCode);
      if (code.endsWith(QString::fromUtf8(name)) || catalogue().itemText(item, column::kCategoryName) == name)
        found = item;
    });
    EXPECT_NE(found, UiTreeAdapter::kNoItem) << name;
    return catalogue().indexOf(found);
  }

  QPoint pointOf(const QModelIndex& index) {
    tree()->scrollTo(index);
    return tree()->visualRect(index).center();
  }
  void click(const char* name) { QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, pointOf(item(name))); }
  void pressEnterOn(const char* name) {
    click(name);
    tree()->setFocus();
    QTest::keyClick(tree(), Qt::Key_Return);
  }
  void doubleClick(const char* name) {
    const QPoint at = pointOf(item(name));
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, at);
  }

  // What the viewer shows, to see that a failed opening changes nothing.
  struct ViewerShows {
    QString pageBox, pageCount;
    int outlineRows;
    bool operator==(const ViewerShows&) const = default;
  };
  ViewerShows viewerShows() {
    return {boxText(element::kPageBox), boxText(element::kPageCountBox), state().outlineAdapter->rowCount()};
  }

  void expectOpenAtPageOne(const QString& file) {
    const DocumentSession& session = *state().session;
    EXPECT_EQ(status(), "双击打开，图集文件位于：" + file.toStdString());
    EXPECT_EQ(session.currentPage(), 1);
    EXPECT_EQ(boxText(element::kPageBox), QStringLiteral("1"));
    EXPECT_EQ(boxText(element::kPageCountBox), QString::number(PdfPageCount(file)));
    UiTreeAdapter& outline = *state().outlineAdapter;
    ASSERT_GT(session.outlineCount(), 0);
    ASSERT_EQ(outline.rowCount(), session.outlineCount());
    for (int i = 1; i <= session.outlineCount(); ++i)
      EXPECT_EQ(outline.itemText(outline.itemAt(outline.index(i - 1, 0)), QStringLiteral("title")).toStdString(),
                session.outlineTitle(session.outlineId(i)));
    auto* picture = FindElementAs<UiPictureShape>(window_, element::kPagePicture);
    ASSERT_TRUE(picture->hasImage());
    EXPECT_EQ(picture->image(), session.renderPage(1, kDisplayDpi));
  }

  static QString dir_;
  StartupResult started_;
  QWidget* window_ = nullptr;
};

QString CatalogueWindow::dir_;

QString SampleAtlas(const char* name) { return test::programDir() + "/atlases/" + name; }

// What each kind of item says on selection and on double-click.
enum class Hint { Open, Missing, NoFileOnSelect, NoFileOnOpen, None };

struct ItemCase {
  const char* label;
  const char* name;   // atlas code or category name
  const char* id;
  const char* file;   // "@DIR@" for the fixture's folder, "@ATLASES@" for the sample atlases'
  Hint onSelect;
  Hint onOpen;
};

void PrintTo(const ItemCase& c, std::ostream* out) { *out << c.label; }

std::string HintText(Hint hint, const std::string& id, const std::string& file) {
  switch (hint) {
    case Hint::Open: return "双击打开，图集文件位于：" + file;
    case Hint::Missing: return "图集ID：" + id + ",该图集文件不存在，请检查：" + file;
    case Hint::NoFileOnSelect: return "图集ID：" + id + ",该图集文件不存在，请将图集文件添加到Excel配置文件中。";
    case Hint::NoFileOnOpen: return "图集ID：" + id + ",该图集文件不存在，请将图集存储位置添加到Excel配置文件中。";
    case Hint::None: return kStartStatus;
  }
  return {};
}

class ItemHints : public CatalogueWindow, public testing::WithParamInterface<ItemCase> {
 protected:
  std::string expected(Hint hint) {
    QString file = QString::fromUtf8(GetParam().file);
    file.replace("@DIR@", dir_).replace("@ATLASES@", test::programDir() + "/atlases");
    return HintText(hint, GetParam().id, file.toStdString());
  }
};

TEST_P(ItemHints, OnSelection) {
  start();
  const ViewerShows before = viewerShows();
  click(GetParam().name);
  EXPECT_EQ(status(), expected(GetParam().onSelect));
  EXPECT_EQ(viewerShows(), before);  // a click opens nothing
}

TEST_P(ItemHints, OnDoubleClick) {
  start();
  const ViewerShows before = viewerShows();
  doubleClick(GetParam().name);
  EXPECT_EQ(status(), expected(GetParam().onOpen));
  if (GetParam().onOpen != Hint::Open) {
    EXPECT_EQ(viewerShows(), before);  // the open atlas stays
  }
  EXPECT_FALSE(test::AnyMessageBoxShown());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ItemHints,
    testing::Values(ItemCase{"AtlasWithFile", "16G101-2", "1", "@ATLASES@/16G101-2.pdf", Hint::Open, Hint::Open},
                    ItemCase{"MissingFile", "18G901-2", "2", "@DIR@/stale.pdf", Hint::Missing, Hint::Missing},
                    ItemCase{"NoPath", "11G329-1", "3", "", Hint::NoFileOnSelect, Hint::NoFileOnOpen},
                    // A directory is not an atlas file.
                    ItemCase{"Directory", "16G519", "4", "@DIR@/folder.pdf", Hint::Missing, Hint::Missing},
                    ItemCase{"Category", "平法施工图", "", "", Hint::None, Hint::None},
                    // An empty category is a leaf, so it is taken for an atlas without file.
                    ItemCase{"EmptyCategory", "空分类", "", "", Hint::NoFileOnSelect, Hint::NoFileOnOpen}),
    [](const testing::TestParamInfo<ItemCase>& info) { return std::string(info.param.label); });

TEST_F(CatalogueWindow, DoubleClickOpensTheAtlasAtPageOne) {
  start();
  doubleClick("16G101-2");
  expectOpenAtPageOne(SampleAtlas("16G101-2.pdf"));
}

TEST_F(CatalogueWindow, DoubleClickingTheOpenAtlasAgainReloadsItAtPageOne) {
  start();
  doubleClick("16G101-3");
  QTest::mouseClick(FindElementAs<QAbstractButton>(window_, element::kNextPageButton), Qt::LeftButton);
  QTest::mouseClick(FindElementAs<QAbstractButton>(window_, element::kNextPageButton), Qt::LeftButton);
  ASSERT_EQ(state().session->currentPage(), 3);
  doubleClick("16G101-3");
  expectOpenAtPageOne(SampleAtlas("16G101-3.pdf"));
}

TEST_F(CatalogueWindow, EnterOpensTheSelectedAtlas) {
  start();
  pressEnterOn("16G101-2");
  expectOpenAtPageOne(SampleAtlas("16G101-2.pdf"));
}

TEST_F(CatalogueWindow, EnterOnACategoryFoldsItLikeADoubleClick) {
  start();
  pressEnterOn("平法施工图");
  EXPECT_FALSE(tree()->isExpanded(item("平法施工图")));
  EXPECT_EQ(status(), kStartStatus);
}

TEST_F(CatalogueWindow, ACategoryDoubleClickFoldsItAndLeavesTheStatusLine) {
  start();
  SetStatusText(window_, "图集ID：9,该图集文件不存在，请检查：/x.pdf");
  doubleClick("平法施工图");
  EXPECT_FALSE(tree()->isExpanded(item("平法施工图")));
  EXPECT_EQ(status(), "图集ID：9,该图集文件不存在，请检查：/x.pdf");
}

TEST_F(CatalogueWindow, AFileDeletedAfterStartShowsItsStalePath) {
  const QString stale = dir_ + "/stale.pdf";
  ASSERT_TRUE(QFile::copy(SampleAtlas("16G101-2.pdf"), stale));
  start();
  ASSERT_TRUE(QFile::remove(stale));
  const ViewerShows before = viewerShows();
  const std::string missing = "图集ID：2,该图集文件不存在，请检查：" + stale.toStdString();
  click("18G901-2");
  EXPECT_EQ(status(), missing);
  doubleClick("18G901-2");
  EXPECT_EQ(status(), missing);
  EXPECT_EQ(viewerShows(), before);
}

TEST_F(CatalogueWindow, AtlasItemsShowWhetherTheyHaveAFile) {
  start();
  UiItemDelegate* delegate = UiItemDelegate::of(tree());
  const auto nameOf = [&](const char* name) { return delegate->templateFor(item(name))->name.toStdString(); };
  EXPECT_EQ(nameOf("16G101-2"), "tree-content.xml");
  EXPECT_EQ(nameOf("18G901-2"), "tree-content.xml");  // recorded, though missing
  EXPECT_EQ(nameOf("11G329-1"), "tree-content-nobook.xml");
  EXPECT_EQ(nameOf("平法施工图"), "tree-gourp.xml");
  EXPECT_EQ(nameOf("空分类"), "tree-gourp.xml");  // keeps its name on show
  tree()->viewport()->grab();
}

TEST_F(CatalogueWindow, WithoutCatalogueTheTreeIsEmptyAndNothingIsSaid) {
  QTemporaryDir empty;
  start(empty.path());
  EXPECT_EQ(catalogue().rowCount(), 0);
  EXPECT_EQ(status(), kStartStatus);
  EXPECT_FALSE(test::AnyMessageBoxShown());
}

}  // namespace
}  // namespace quillmoor
