// The export button on the program's main window: the save dialog driven as a
// user drives it, and the JPEG picture it leaves on the desktop.

#include "app/MainWindowWiring.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/patheditor/DialogDriving.h"
#include "tests/printing/ViewerWindowDriver.h"
#include "util/DialogHelper.h"
#include "viewer/DocumentSession.h"
#include "viewer/PageExport.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace quillmoor {
namespace {

struct JfifDensity {
  int unit = -1;  // 1: dots per inch
  int x = 0;
  int y = 0;
};

// The density of a JPEG file's JFIF header (its APP0 segment right after SOI).
JfifDensity ReadJfifDensity(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray head = file.read(18);
  if (head.size() < 18 || !head.startsWith("\xFF\xD8\xFF\xE0") || head.mid(6, 5) != QByteArray("JFIF\0", 5))
    return {};
  const auto byte = [&head](int i) { return static_cast<unsigned char>(head[i]); };
  return {byte(13), byte(14) << 8 | byte(15), byte(16) << 8 | byte(17)};
}

// The share of pixels, on a grid of every 4th pixel, whose grey levels differ
// by more than a third of the range: JPEG's blur stays far below that, a
// different drawing does not.
double DifferingShare(const QImage& a, const QImage& b) {
  const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
  const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
  if (ga.size() != gb.size()) return 1.0;
  long long differing = 0, sampled = 0;
  for (int y = 0; y < ga.height(); y += 4) {
    const uchar* ra = ga.constScanLine(y);
    const uchar* rb = gb.constScanLine(y);
    for (int x = 0; x < ga.width(); x += 4, ++sampled)
      if (std::abs(ra[x] - rb[x]) > 85) ++differing;
  }
  return static_cast<double>(differing) / static_cast<double>(sampled);
}

// What the save dialog showed when it opened.
struct DialogFirstSight {
  QString title;
  QString folder;
  QString fileName;
  QString fileType;
};

class ExportButton : public test::ViewerWindowDriver {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    // The desktop of a home of the test's own.
    savedHome_ = qgetenv("HOME");
    qputenv("HOME", home_.path().toUtf8());
    ASSERT_TRUE(QDir(home_.path()).mkpath(QStringLiteral("Desktop")));
    startWindow();
  }
  void TearDown() override { qputenv("HOME", savedHome_); }

  QString desktop() const { return QDir(home_.path()).filePath(QStringLiteral("Desktop")); }
  QString onDesktop(const QString& name) const { return QDir(desktop()).filePath(name); }
  QStringList desktopFiles() const { return QDir(desktop()).entryList(QDir::Files | QDir::Hidden); }

  void showPage(int page) {
    typeIntoPageBox(QString::number(page));
    QTest::keyClick(pageBox(), Qt::Key_Return);
    ASSERT_EQ(state().session->currentPage(), page);
  }

  // Clicks export; the dialog gets `answer`, every message box "Yes".
  void clickExport(std::function<void(QFileDialog*)> answer) {
    test::AnswerModals(seen_, [this, answer](QWidget* modal) {
      auto* dialog = test::AsFileDialog(modal);
      if (!dialog) return test::ClickMessageButton(modal, QMessageBox::Yes);
      sight_ = {dialog->windowTitle(), QDir(dialog->directory()).absolutePath(),
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
                dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText()};
      answer(dialog);
    });
    clickButton(element::kExportButton);
  }
  static std::function<void(QFileDialog*)> saveAs(const QString& name) {
    return [name](QFileDialog* dialog) {
      test::TypeFileName(dialog, name);
      test::ClickAccept(dialog);
    };
  }
  QStringList seenKinds() const {
    QStringList kinds;
    for (const test::SeenModal& m : *seen_) kinds << m.kind;
    return kinds;
  }
  QImage renderOf(int page) const { return state().session->renderPage(page, kExportDpi); }
  AppState& state() const { return *started_.state; }

  QTemporaryDir home_;
  QByteArray savedHome_;
  std::shared_ptr<std::vector<test::SeenModal>> seen_ = std::make_shared<std::vector<test::SeenModal>>();
  DialogFirstSight sight_;
};

TEST_F(ExportButton, DialogOpensOnTheDesktopAndCancelWritesNothing) {
  clickExport(test::ClickCancel);
  EXPECT_EQ(sight_.title, QStringLiteral("请选择图片的保存位置"));
  EXPECT_EQ(sight_.folder, QDir(desktop()).absolutePath());
  EXPECT_EQ(QString::fromStdString(DesktopFolder()), desktop() + QLatin1Char('/'));
  EXPECT_EQ(sight_.fileName, QStringLiteral("Quillmoor图片"));
  EXPECT_EQ(sight_.fileType, QStringLiteral("图片文件(*.jpg)"));
  EXPECT_EQ(seenKinds(), QStringList{QStringLiteral("QFileDialog")});  // and nothing after it
  EXPECT_TRUE(desktopFiles().isEmpty());
}

TEST_F(ExportButton, WritesTheShownPageAt300DpiAddingJpg) {
  showPage(5);
  clickExport(saveAs(QStringLiteral("第五页")));
  EXPECT_EQ(seenKinds(), QStringList{QStringLiteral("QFileDialog")});
  EXPECT_FALSE(test::AnyMessageBoxShown());
  ASSERT_EQ(desktopFiles(), QStringList{QStringLiteral("第五页.jpg")});
  const QString file = onDesktop(QStringLiteral("第五页.jpg"));
  const JfifDensity density = ReadJfifDensity(file);
  EXPECT_EQ(density.unit, 1);
  EXPECT_EQ(density.x, 300);
  EXPECT_EQ(density.y, 300);
  const QImage picture(file);
  const QImage page5 = renderOf(5);
  ASSERT_FALSE(page5.isNull());
  EXPECT_EQ(picture.size(), page5.size());
  EXPECT_EQ(picture.size(), QSize(4961, 3508));  // A3 landscape at 300 dpi
  const double samePage = DifferingShare(picture, page5);
  const double otherPage = DifferingShare(picture, renderOf(4));
  EXPECT_LT(samePage, 0.001);
  EXPECT_GT(otherPage, 10 * samePage + 0.001);
}

TEST_F(ExportButton, AsksBeforeReplacingAnExistingPicture) {
  const QString existing = onDesktop(QStringLiteral("Quillmoor图片.jpg"));
  QFile old(existing);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("an older picture");
  old.close();
  clickExport(test::ClickAccept);  // the offered name as it stands
  EXPECT_EQ(seenKinds(), (QStringList{QStringLiteral("QFileDialog"), QStringLiteral("QMessageBox")}));
  EXPECT_EQ(QImage(existing).size(), renderOf(1).size());
}

TEST_F(ExportButton, APageThatCannotBeRenderedLeavesNoFile) {
  showPage(999);
  clickExport(saveAs(QStringLiteral("空白")));
  EXPECT_EQ(seenKinds(), QStringList{QStringLiteral("QFileDialog")});
  EXPECT_FALSE(test::AnyMessageBoxShown());
  EXPECT_TRUE(desktopFiles().isEmpty());  // not even a half-written one
}

}  // namespace
}  // namespace quillmoor
