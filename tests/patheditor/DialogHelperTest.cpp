// The open and save file dialogs, driven as a user drives them: names typed
// into Qt's file dialog, its buttons and file-type box used, its questions
// answered.

#include "util/DialogHelper.h"

#include "tests/common/TestSupport.h"
#include "tests/patheditor/DialogDriving.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <string>

namespace quillmoor {
namespace {

using Act = std::function<void(QFileDialog*)>;

class FileDialogs : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    for (const char* name : {"a.jpg", "b.pdf", "图集 O'Neil.pdf"}) Touch(name);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sub")));
  }

  void Touch(const QString& name) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

  QString Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
  std::string Folder() const { return (dir_.path() + QLatin1Char('/')).toStdString(); }

  // Runs `call`, lets `act` use the dialog it shows, and returns its result.
  // The working directory must be the same afterwards.
  std::string Run(const std::function<std::string()>& call, const Act& act) {
    const QString workingDir = QDir::currentPath();
    bool shown = false;
    test::whenModalAppears([&shown, act](QWidget* modal) {
      QFileDialog* dialog = test::AsFileDialog(modal);
      if (!dialog) return;
      shown = true;
      act(dialog);
      if (dialog->isVisible()) {
        ADD_FAILURE() << "the dialog was left open";
        dialog->reject();
      }
    });
    const std::string result = call();
    EXPECT_TRUE(shown) << "no file dialog appeared";
    EXPECT_EQ(QDir::currentPath(), workingDir);
    return result;
  }

  std::string Open(const Act& act, bool fileMustExist = true, bool pathMustExist = true,
                   bool createPrompt = false) {
    return Run([&] { return DialogHelper().OpenFile(false, "打开", {}, "PDF文件(*.pdf)|*.pdf", Folder(), ".pdf",
                                                    createPrompt, fileMustExist, pathMustExist, false); },
               act);
  }

  std::string Save(const Act& act, bool overwritePrompt = true, bool pathMustExist = true) {
    return Run([&] { return DialogHelper().SaveFile(false, "保存", {}, "图片文件(*.jpg)|*.jpg", Folder(), ".jpg",
                                                    overwritePrompt, pathMustExist); },
               act);
  }

  QTemporaryDir dir_;
};

Act TypeAndAccept(const QString& name) {
  return [name](QFileDialog* dialog) {
    test::TypeFileName(dialog, name);
    test::ClickAccept(dialog);
  };
}

void Cancel(QFileDialog* dialog) { test::ClickCancel(dialog); }

// A name typed and accepted, or the dialog cancelled: what comes back.
struct TypedCase {
  const char* name;
  bool save;
  const char* typed;     // null: the user cancels
  const char* expected;  // in the test folder; null: the empty text
};

const TypedCase kTypedCases[] = {
    {"OpenCancelled", false, nullptr, nullptr},
    {"SaveCancelled", true, nullptr, nullptr},
    {"OpenExistingFile", false, "b.pdf", "b.pdf"},
    {"OpenChineseNameWithQuoteAndBlank", false, "图集 O'Neil.pdf", "图集 O'Neil.pdf"},
    {"OpenAddsDefaultExtension", false, "b", "b.pdf"},
    {"SaveAddsDefaultExtension", true, "page", "page.jpg"},
    {"SaveKeepsTypedExtension", true, "page.png", "page.png"},
    {"SaveIntoSubfolder", true, "sub/第1页", "sub/第1页.jpg"},
};

class TypedName : public FileDialogs, public testing::WithParamInterface<TypedCase> {};

TEST_P(TypedName, GivesTheFullPathOrNothing) {
  const TypedCase& c = GetParam();
  const Act act = c.typed ? TypeAndAccept(QString::fromUtf8(c.typed)) : Act(Cancel);
  const std::string result = c.save ? Save(act) : Open(act);
  EXPECT_EQ(result, c.expected ? Path(QString::fromUtf8(c.expected)).toStdString() : std::string());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TypedName, testing::ValuesIn(kTypedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileDialogs, ShowsTitleFolderAndDefaultName) {
  QString title, folder, name;
  Run([&] { return DialogHelper().SaveFile(false, "请选择图片的保存位置", "Quillmoor图片", "图片文件(*.jpg)|*.jpg",
                                           Folder(), ".jpg", true, true); },
      [&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        folder = dialog->directory().absolutePath();
        name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        Cancel(dialog);
      });
  EXPECT_EQ(title, QStringLiteral("请选择图片的保存位置"));
  EXPECT_EQ(folder, QDir(dir_.path()).absolutePath());
  EXPECT_EQ(name, QStringLiteral("Quillmoor图片"));
}

// The file types offered, in order, and the patterns each one applies.
struct FilterCase {
  const char* name;
  const char* filter;
  QStringList offered;
  QList<QStringList> patterns;
};

class FilterTypes : public FileDialogs, public testing::WithParamInterface<FilterCase> {};

TEST_P(FilterTypes, OfferedInOrder) {
  const FilterCase& c = GetParam();
  QStringList offered;
  QList<QStringList> patterns;
  Run([&] { return DialogHelper().OpenFile(false, "打开", {}, c.filter, Folder()); },
      [&](QFileDialog* dialog) {
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* model = dialog->findChild<QFileSystemModel*>();
        for (int i = 0; i < types->count(); ++i) {
          offered << types->itemText(i);
          types->setCurrentIndex(i);
          emit types->activated(i);  // what choosing it with the mouse raises
          patterns << model->nameFilters();
        }
        Cancel(dialog);
      });
  EXPECT_EQ(offered, c.offered);
  EXPECT_EQ(patterns, c.patterns);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, FilterTypes,
    testing::Values(
        FilterCase{"TwoTypes", "图片文件(*.jpg)|*.jpg|所有文件(*.*)|*.*",
                   {QStringLiteral("图片文件(*.jpg)"), QStringLiteral("所有文件(*.*)")},
                   {{QStringLiteral("*.jpg")}, {QStringLiteral("*.*")}}},
        FilterCase{"SeveralPatterns", "图片(*.jpg;*.jpeg)|*.jpg;*.jpeg",
                   {QStringLiteral("图片(*.jpg;*.jpeg)")},
                   {{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}}},
        FilterCase{"EmptyPartEndsTheList", "PDF文件(*.pdf)|*.pdf||其他|*.txt",
                   {QStringLiteral("PDF文件(*.pdf)")},
                   {{QStringLiteral("*.pdf")}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileDialogs, MissingFileIsRefusedWhenItMustExist) {
  bool acceptable = true, stayed = false;
  const std::string result = Open([&](QFileDialog* dialog) {
    test::TypeFileName(dialog, QStringLiteral("missing.pdf"));
    acceptable = test::AcceptEnabled(dialog);
    test::AnswerNextMessageBox();  // should the dialog warn rather than ignore the key
    QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), Qt::Key_Return);
    stayed = dialog->isVisible();
    Cancel(dialog);
  });
  EXPECT_FALSE(acceptable);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(result, "");
}

TEST_F(FileDialogs, MissingFileIsTakenWhenItNeedNotExist) {
  EXPECT_EQ(Open(TypeAndAccept(QStringLiteral("new.pdf")), false),
            Path(QStringLiteral("new.pdf")).toStdString());
}

// A name in a folder that does not exist: refused with a warning when the
// path must exist, taken otherwise.
struct FolderCase {
  const char* name;
  bool save;
  bool pathMustExist;
};

class MissingFolder : public FileDialogs, public testing::WithParamInterface<FolderCase> {};

TEST_P(MissingFolder, RefusedOnlyWhenThePathMustExist) {
  const FolderCase& c = GetParam();
  std::shared_ptr<test::SeenMessage> warning;
  bool stayed = false;
  const Act act = [&](QFileDialog* dialog) {
    test::TypeFileName(dialog, QStringLiteral("no-such-folder/x"));
    warning = test::AnswerNextMessageBox();
    test::ClickAccept(dialog);
    stayed = dialog->isVisible();
    if (stayed) Cancel(dialog);
  };
  const std::string result = c.save ? Save(act, true, c.pathMustExist) : Open(act, false, c.pathMustExist);
  const QString missing = Path(QStringLiteral("no-such-folder"));
  if (c.pathMustExist) {
    EXPECT_TRUE(warning->shown);
    EXPECT_TRUE(warning->text.contains(missing)) << warning->text.toStdString();
    EXPECT_TRUE(stayed);
    EXPECT_EQ(result, "");
  } else {
    EXPECT_FALSE(warning->shown);
    EXPECT_EQ(result, (missing + (c.save ? "/x.jpg" : "/x.pdf")).toStdString());
  }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, MissingFolder,
                         testing::Values(FolderCase{"Open", false, true}, FolderCase{"Save", true, true},
                                         FolderCase{"OpenAnyPath", false, false},
                                         FolderCase{"SaveAnyPath", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The question before a missing file is taken (open) or an existing one is
// replaced (save): "no" keeps the dialog, "yes" gives the name.
struct QuestionCase {
  const char* name;
  bool save;
  const char* typed;
};

class AskFirst : public FileDialogs, public testing::WithParamInterface<QuestionCase> {};

TEST_P(AskFirst, NoKeepsTheDialogYesGivesTheName) {
  const QuestionCase& c = GetParam();
  std::shared_ptr<test::SeenMessage> first, second;
  bool stayed = false;
  const Act act = [&](QFileDialog* dialog) {
    test::TypeFileName(dialog, QString::fromUtf8(c.typed));
    first = test::AnswerNextMessageBox(QMessageBox::No);
    test::ClickAccept(dialog);
    stayed = dialog->isVisible();
    second = test::AnswerNextMessageBox(QMessageBox::Yes);
    test::ClickAccept(dialog);
  };
  const std::string result = c.save ? Save(act, true) : Open(act, true, true, true);
  EXPECT_TRUE(first->shown);
  EXPECT_TRUE(stayed);
  EXPECT_TRUE(second->shown);
  EXPECT_EQ(result, Path(QString::fromUtf8(c.typed)).toStdString());
  if (!c.save) {
    EXPECT_FALSE(QFile::exists(Path(QString::fromUtf8(c.typed))));  // asked, not created
  }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, AskFirst,
                         testing::Values(QuestionCase{"CreateMissingFile", false, "new.pdf"},
                                         QuestionCase{"OverwriteExistingFile", true, "a.jpg"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileDialogs, ExistingFileIsReplacedWithoutAQuestionWhenNotAsked) {
  std::shared_ptr<test::SeenMessage> question;
  const std::string result = Save(
      [&](QFileDialog* dialog) {
        test::TypeFileName(dialog, QStringLiteral("a.jpg"));
        question = test::AnswerNextMessageBox(QMessageBox::Yes);
        test::ClickAccept(dialog);
      },
      false);
  EXPECT_FALSE(question->shown);
  EXPECT_EQ(result, Path(QStringLiteral("a.jpg")).toStdString());
}

TEST_F(FileDialogs, OwnedByTheActiveWindow) {
  QWidget window;
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QWidget* owner = nullptr;
  Open([&](QFileDialog* dialog) {
    owner = dialog->parentWidget();
    Cancel(dialog);
  });
  EXPECT_EQ(owner, &window);
}

TEST_F(FileDialogs, DesktopFolderIsTheXdgDesktopWithATrailingSeparator) {
  QFile dirs(Path(QStringLiteral("user-dirs.dirs")));
  ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
  dirs.write("XDG_DESKTOP_DIR=\"$HOME/我的桌面\"\n");
  dirs.close();
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
  const std::string desktop = DesktopFolder();
  if (saved.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", saved);
  EXPECT_EQ(desktop, (QDir::homePath() + QStringLiteral("/我的桌面/")).toStdString());
}

}  // namespace
}  // namespace quillmoor
