// The atlas path editor in the real main window over a real keyed catalogue:
// the atlas context menu, the editor opened from it and from the main
// window's button, browsing with the file dialog, and every answer of a save.

#include "app/AppState.h"
#include "app/MainWindowWiring.h"
#include "catalogue/CatalogueTree.h"
#include "catalogue/CatalogueTreeText.h"
#include "data/SqliteDatabase.h"
#include "data/SqliteStatement.h"
#include "platform/UiElements.h"
#include "platform/UiTreeAdapter.h"
#include "tests/catalogue/CatalogueFixtures.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/common/TestSupport.h"
#include "tests/patheditor/DialogDriving.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTreeView>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quillmoor {
namespace {

const test::CatalogueTables kCatalogue{
    "sublibid\tsublibname\tupsublibid\n"
    "1\t结构专业\t\n"
    "2\t混凝土结构\t1\n"
    "3\t平法施工图\t2\n",
    "id\ttitle\tcode\tcode2\tClassID\n"
    "101\t现浇混凝土板式楼梯\t16G101-2\t1\t3\n"
    "102\t独立基础、条形基础、筏形基础及桩基础\t16G101-3\t2\t3\n",
    "id\t图集所在文件夹\t文件名\n"
    "101\t@ATLASES@\t16G101-2.pdf\n"};

// Elements of the editor window.
constexpr int kIdEdit = 33;
constexpr int kPathEdit = 34;
constexpr int kBrowseButton = 35;
constexpr int kSaveButton = 36;

const char kSaved[] = "添加成功！";
const char kNotNumeric[] = "图集ID必须是数字，请检查您的图集ID。";
const char kNoFile[] = "该路径指向的文件不存在，请检查。";
const char kFailed[] = "添加失败！";

// The name of a file on the desktop, with a quote, blanks and Chinese.
const char kOddName[] = "O'Neil 图集 (副本); drop table Filepath";

QString SampleAtlas(const char* code) { return test::programDir() + "/atlases/" + code + ".pdf"; }

QString Utf8(const char* text) { return QString::fromUtf8(text); }

using Rows = std::vector<std::pair<std::string, std::string>>;

// The catalogue file made unwritable for the program, root included; put back
// when the test ends.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const QString& path) : path_(path.toStdString()) {
    ::chmod(path_.c_str(), 0444);
    if (::geteuid() == 0) SetImmutable(true);
  }
  ~ReadOnlyFile() {
    if (::geteuid() == 0) SetImmutable(false);
    ::chmod(path_.c_str(), 0644);
  }
  bool Holds() const {
    const int fd = ::open(path_.c_str(), O_WRONLY);
    if (fd >= 0) ::close(fd);
    return fd < 0;
  }

 private:
  void SetImmutable(bool on) {
    const int fd = ::open(path_.c_str(), O_RDONLY);
    if (fd < 0) return;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    ::close(fd);
  }

  std::string path_;
};

class PathEditorWindow : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = test::MakeCatalogueDir("patheditor", kCatalogue);
    PointDesktopAt(dir_ + "/desktop");
    QFile odd(dir_ + "/desktop/" + Utf8(kOddName) + ".pdf");
    ASSERT_TRUE(odd.open(QIODevice::WriteOnly));
  }

  void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

  // The user's desktop (XDG) is a folder of this test.
  void PointDesktopAt(const QString& desktop) {
    ASSERT_TRUE(QDir().mkpath(desktop));
    ASSERT_TRUE(QDir().mkpath(dir_ + "/config"));
    QFile dirs(dir_ + "/config/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"" + desktop.toUtf8() + "\"\n");
    qputenv("XDG_CONFIG_HOME", (dir_ + "/config").toUtf8());
  }

  void Start() {
    started_ = test::StartShownMainWindow(dir_);
    ASSERT_TRUE(started_.state) << started_.error.toStdString();
    window_ = started_.state->mainWindow.get();
    Tree()->expandAll();
  }

  QTreeView* Tree() { return started_.state->catalogueTree; }
  const UiTreeAdapter& Adapter() { return *started_.state->catalogueAdapter; }

  int ItemWithAtlasId(const QString& id) {
    int found = 0;
    ForEachItem(Adapter(), [&](int item, int) {
      if (!found && Adapter().itemText(item, column::kAtlasId) == id) found = item;
    });
    return found;
  }

  QPoint PointOf(int item) { return Tree()->visualRect(Adapter().indexOf(item)).center(); }

  // A right-click over the tree's viewport at `point`, as the window system
  // delivers it.
  void RightClick(const QPoint& point) {
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, Tree()->viewport()->mapTo(window_, point));
  }

  static QMenu* ShownMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

  void RightClickAtlasAndDismissMenu(const QString& id) {
    RightClick(PointOf(ItemWithAtlasId(id)));
    QMenu* menu = ShownMenu();
    ASSERT_TRUE(menu);
    QTest::keyClick(menu, Qt::Key_Escape);
    ASSERT_FALSE(ShownMenu());
  }

  // Lets `use` work with the editor that `open` brings up; returns when the
  // editor has closed (the test closes it when `use` left it open).
  void WithEditor(const std::function<void()>& open, const std::function<void(QWidget*)>& use) {
    bool shown = false;
    test::whenModalAppears([&](QWidget* modal) {
      if (!FindElement(modal, kIdEdit)) return;
      shown = true;
      QPointer<QWidget> editor(modal);
      use(editor);
      if (editor && editor->isVisible()) editor->close();
    });
    open();
    EXPECT_TRUE(shown) << "the editor did not open";
  }

  void WithEditorFromButton(const std::function<void(QWidget*)>& use) {
    auto* button = FindElementAs<QAbstractButton>(window_, element::kPathEditorButton);
    ASSERT_TRUE(button);
    WithEditor([button] { QTest::mouseClick(button, Qt::LeftButton); }, use);
  }

  static QLineEdit* Box(QWidget* editor, int id) { return FindElementAs<QLineEdit>(editor, id); }

  static void Type(QWidget* editor, int id, const QString& text) {
    QLineEdit* box = Box(editor, id);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    test::TypeText(box, text);
  }

  static test::SeenMessage Click(QWidget* editor, int buttonId) {
    const auto seen = test::AnswerNextMessageBox();
    QTest::mouseClick(FindElementAs<QAbstractButton>(editor, buttonId), Qt::LeftButton);
    return *seen;
  }

  // Fills both boxes and saves; the message the user saw.
  static test::SeenMessage SaveAs(QWidget* editor, const QString& id, const QString& path) {
    Type(editor, kIdEdit, id);
    Type(editor, kPathEdit, path);
    return Click(editor, kSaveButton);
  }

  // Table Filepath as another connection reads it, in insertion order.
  Rows SavedRows() {
    SqliteDatabase database;
    SqliteStatement statement;
    TextGrid grid;
    int rowCount = 0;
    const bool read = database.OpenWithKey((dir_ + "/struct.dll").toStdString(), build::kResourcePassword) &&
                      statement.BindDatabase(database) &&
                      statement.QueryToGrid("select id,path from Filepath order by rowid", grid, &rowCount);
    EXPECT_TRUE(read) << database.ErrorText();
    Rows rows;
    for (int r = 2; r <= rowCount; ++r) rows.emplace_back(grid[r][1], grid[r][2]);
    return rows;
  }

  QString dir_;
  StartupResult started_;
  QWidget* window_ = nullptr;
};

void ExpectMessage(const test::SeenMessage& seen, const char* title, const char* text) {
  EXPECT_TRUE(seen.shown) << "no message box";
  EXPECT_EQ(seen.title, Utf8(title));
  EXPECT_EQ(seen.text, Utf8(text));
}

TEST_F(PathEditorWindow, FirstSaveInsertsLaterSaveUpdatesThatRowOnly) {
  Start();
  const std::string treeBefore = CatalogueTreeText(Adapter());
  const std::pair<const char*, const char*> saves[] = {
      {"101", "16G101-2"}, {"102", "16G101-3"}, {"101", "22G101-1"}};
  for (const auto& [id, code] : saves) {
    bool closed = false;
    WithEditorFromButton([&](QWidget* editor) {
      ExpectMessage(SaveAs(editor, Utf8(id), SampleAtlas(code)), "提示：", kSaved);
      closed = !editor->isVisible();
    });
    EXPECT_TRUE(closed) << "the editor stayed open after saving " << id;
  }
  EXPECT_EQ(SavedRows(), (Rows{{"101", SampleAtlas("22G101-1").toStdString()},
                               {"102", SampleAtlas("16G101-3").toStdString()}}));
  // The tree shows what it was built with until the next start.
  EXPECT_EQ(CatalogueTreeText(Adapter()), treeBefore);
}

// Input the editor refuses: its message, the window left open with the
// input, nothing written.
struct RefusedCase {
  const char* name;
  const char* id;
  QString path;
  const char* message;
};

class RefusedInput : public PathEditorWindow, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedInput, ReportsAndKeepsTheWindowOpen) {
  const RefusedCase& c = GetParam();
  Start();
  test::SeenMessage seen;
  bool open = false;
  QString idKept, pathKept;
  WithEditorFromButton([&](QWidget* editor) {
    seen = SaveAs(editor, Utf8(c.id), c.path);
    open = editor->isVisible();
    idKept = Box(editor, kIdEdit)->text();
    pathKept = Box(editor, kPathEdit)->text();
  });
  ExpectMessage(seen, "出错了", c.message);
  EXPECT_TRUE(open);
  EXPECT_EQ(idKept, Utf8(c.id));
  EXPECT_EQ(pathKept, c.path);
  EXPECT_EQ(SavedRows(), Rows{});
}

INSTANTIATE_TEST_SUITE_P(
    PathEditor, RefusedInput,
    testing::Values(RefusedCase{"EmptyId", "", SampleAtlas("16G101-2"), kNotNumeric},
                    RefusedCase{"IdWithALetter", "12a", SampleAtlas("16G101-2"), kNotNumeric},
                    RefusedCase{"FullWidthDigits", "１２", SampleAtlas("16G101-2"), kNotNumeric},
                    RefusedCase{"IdWithABlank", "1 2", SampleAtlas("16G101-2"), kNotNumeric},
                    RefusedCase{"MissingFile", "101", SampleAtlas("no-such-atlas"), kNoFile},
                    RefusedCase{"Folder", "101", test::programDir() + "/atlases", kNoFile},
                    RefusedCase{"EmptyPath", "101", QString(), kNoFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PathEditorWindow, BrowsedPathWithQuoteBlanksAndChineseIsSavedExactly) {
  Start();
  const QString desktop = dir_ + "/desktop";
  const QString chosen = desktop + "/" + Utf8(kOddName) + ".pdf";
  QString title, folder, types, pathShown;
  test::SeenMessage seen;
  WithEditorFromButton([&](QWidget* editor) {
    Type(editor, kIdEdit, QStringLiteral("102"));
    test::whenModalAppears([&](QWidget* modal) {
      QFileDialog* dialog = test::AsFileDialog(modal);
      if (!dialog) return;
      title = dialog->windowTitle();
      folder = dialog->directory().absolutePath();
      types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->itemText(0);
      test::TypeFileName(dialog, Utf8(kOddName));  // the extension is added
      test::ClickAccept(dialog);
    });
    QTest::mouseClick(FindElementAs<QAbstractButton>(editor, kBrowseButton), Qt::LeftButton);
    pathShown = Box(editor, kPathEdit)->text();
    seen = Click(editor, kSaveButton);
  });
  EXPECT_EQ(title, QStringLiteral("请选择该图集对应的PDF文件..."));
  EXPECT_EQ(folder, desktop);
  EXPECT_EQ(types, QStringLiteral("PDF文件(*.pdf)"));
  EXPECT_EQ(pathShown, chosen);
  ExpectMessage(seen, "提示：", kSaved);
  EXPECT_EQ(SavedRows(), (Rows{{"102", chosen.toStdString()}}));
}

TEST_F(PathEditorWindow, CancelledBrowseEmptiesThePathBox) {
  Start();
  QString pathShown = QStringLiteral("not emptied");
  test::SeenMessage seen;
  WithEditorFromButton([&](QWidget* editor) {
    Type(editor, kIdEdit, QStringLiteral("101"));
    Type(editor, kPathEdit, SampleAtlas("16G101-2"));
    test::whenModalAppears([](QWidget* modal) {
      if (QFileDialog* dialog = test::AsFileDialog(modal)) test::ClickCancel(dialog);
    });
    QTest::mouseClick(FindElementAs<QAbstractButton>(editor, kBrowseButton), Qt::LeftButton);
    pathShown = Box(editor, kPathEdit)->text();
    seen = Click(editor, kSaveButton);
  });
  EXPECT_EQ(pathShown, QString());
  ExpectMessage(seen, "出错了", kNoFile);
  EXPECT_EQ(SavedRows(), Rows{});
}

TEST_F(PathEditorWindow, UnwritableCatalogueReportsFailureAndKeepsTheWindowOpen) {
  const ReadOnlyFile readOnly(dir_ + "/struct.dll");
  if (!readOnly.Holds()) GTEST_SKIP() << "cannot make the catalogue file unwritable here";
  Start();
  test::SeenMessage seen;
  bool open = false;
  WithEditorFromButton([&](QWidget* editor) {
    seen = SaveAs(editor, QStringLiteral("101"), SampleAtlas("16G101-2"));
    open = editor->isVisible();
  });
  ExpectMessage(seen, "出错：", kFailed);
  EXPECT_TRUE(open);
  EXPECT_EQ(SavedRows(), Rows{});
}

TEST_F(PathEditorWindow, RightClickOnAnAtlasOffersTheMenuAtThePointer) {
  Start();
  const QPoint point = PointOf(ItemWithAtlasId(QStringLiteral("102")));
  RightClick(point);
  QMenu* menu = ShownMenu();
  ASSERT_TRUE(menu);
  QStringList texts;
  QList<int> ids;
  for (QAction* action : menu->actions()) {
    texts << action->text();
    ids << action->data().toInt();
  }
  EXPECT_EQ(texts, (QStringList{QStringLiteral("添加图集PDF文件路径"), QStringLiteral("编辑图集PDF文件路径")}));
  EXPECT_EQ(ids, (QList<int>{201, 202}));
  EXPECT_EQ(menu->pos(), Tree()->viewport()->mapToGlobal(point));
  QTest::keyClick(menu, Qt::Key_Escape);
}

class MenuItem : public PathEditorWindow, public testing::WithParamInterface<int> {};

TEST_P(MenuItem, OpensTheEditorWithTheAtlasId) {
  Start();
  RightClick(PointOf(ItemWithAtlasId(QStringLiteral("102"))));
  QMenu* menu = ShownMenu();
  ASSERT_TRUE(menu);
  QAction* chosen = nullptr;
  for (QAction* action : menu->actions())
    if (action->data().toInt() == GetParam()) chosen = action;
  ASSERT_TRUE(chosen);
  QString id, path;
  bool complete = false;
  WithEditor([&] { QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center()); },
             [&](QWidget* editor) {
               id = Box(editor, kIdEdit)->text();
               path = Box(editor, kPathEdit)->text();
               complete = FindElement(editor, kBrowseButton) && FindElement(editor, kSaveButton);
             });
  EXPECT_EQ(id, QStringLiteral("102"));
  EXPECT_EQ(path, QString());
  EXPECT_TRUE(complete);
}

INSTANTIATE_TEST_SUITE_P(PathEditor, MenuItem, testing::Values(201, 202),
                         [](const auto& info) { return info.param == 201 ? "AddPath" : "EditPath"; });

TEST_F(PathEditorWindow, RightClickOnACategoryShowsNoMenuAndForgetsTheAtlas) {
  Start();
  RightClickAtlasAndDismissMenu(QStringLiteral("102"));
  int category = 0;
  ForEachItem(Adapter(), [&](int item, int) {
    if (!category && IsCategoryItem(Adapter(), item)) category = item;
  });
  ASSERT_GT(category, 0);
  RightClick(PointOf(category));
  EXPECT_FALSE(ShownMenu());
  QString id = QStringLiteral("(no editor)");
  WithEditorFromButton([&id](QWidget* editor) { id = Box(editor, kIdEdit)->text(); });
  EXPECT_EQ(id, QString());
}

TEST_F(PathEditorWindow, RightClickOnEmptySpaceChangesNothing) {
  Start();
  RightClickAtlasAndDismissMenu(QStringLiteral("102"));
  const QPoint empty(Tree()->viewport()->width() / 2, Tree()->viewport()->height() - 4);
  ASSERT_FALSE(Tree()->indexAt(empty).isValid());
  RightClick(empty);
  EXPECT_FALSE(ShownMenu());
  QString id;
  WithEditorFromButton([&id](QWidget* editor) { id = Box(editor, kIdEdit)->text(); });
  EXPECT_EQ(id, QStringLiteral("102"));
}

}  // namespace
}  // namespace quillmoor
