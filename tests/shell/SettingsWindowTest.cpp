// The settings window over the real main window: modal, read-only, and
// telling truthfully what the program found in its data directory.

#include "app/MainWindowWiring.h"
#include "app/SettingsWindow.h"
#include "platform/UiElements.h"
#include "tests/catalogue/CatalogueFixtures.h"
#include "tests/common/TestSupport.h"
#include "tests/shell/ShellFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <map>

namespace quillmoor {
namespace {

// One atlas whose file is there, one whose recorded file is missing, one
// with no path.
const test::CatalogueTables kCatalogue{
    "sublibid\tsublibname\tupsublibid\n"
    "1\t结构专业\t\n"
    "2\t混凝土结构\t1\n",
    "id\ttitle\tcode\tcode2\tClassID\n"
    "1\t现浇混凝土板式楼梯\t16G101-2\t1\t2\n"
    "2\t钢筋排布（板式楼梯）\t18G901-2\t2\t2\n"
    "3\t建筑物抗震构造详图\t11G329-1\t3\t2\n",
    "id\t图集所在文件夹\t文件名\n"
    "1\t@ATLASES@\t16G101-2.pdf\n"
    "2\t@DIR@\tmissing.pdf\n"};

QString EmptyDir() {
  static QTemporaryDir dir(test::fixtureDir() + "/settings-empty-XXXXXX");
  return dir.path();
}

// A catalogue file that is not a database the key opens.
QString UnreadableCatalogueDir() {
  static QTemporaryDir dir(test::fixtureDir() + "/settings-unreadable-XXXXXX");
  QFile file(QDir(dir.path()).filePath("struct.dll"));
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(QByteArray(4096, 'x'));
  return dir.path();
}

struct DataDirCase {
  const char* name;
  QString (*dataDir)();
  const char* catalogue;  // the end of each shown text
  const char* pathSheet;
  const char* atlases;
  const char* defaultAtlas;
};

void PrintTo(const DataDirCase& c, std::ostream* out) { *out << c.name; }

const DataDirCase kCases[] = {
    // tools/sample-data/README.md: sixteen atlases, ten of them with a sample PDF.
    {"Sample", [] { return test::programDir(); }, "已找到，可以读取", "已找到", "共 16 本，其中 10 本的 PDF 文件存在",
     "已找到"},
    {"Catalogue", [] { return test::MakeCatalogueDir("settings", kCatalogue); }, "已找到，可以读取",
     "已找到", "共 3 本，其中 1 本的 PDF 文件存在", "未找到"},
    {"Empty", EmptyDir, "未找到，图集目录为空", "未找到，图集均无 PDF 路径", "共 0 本，其中 0 本的 PDF 文件存在",
     "未找到"},
    {"Unreadable", UnreadableCatalogueDir, "已找到，但无法读取（密钥不符或文件已损坏）", "未找到，图集均无 PDF 路径",
     "共 0 本，其中 0 本的 PDF 文件存在", "未找到"},
};

class SettingsWindow : public test::ShellWindowTest, public testing::WithParamInterface<DataDirCase> {
 protected:
  void SetUp() override {}

  // The texts the window shows, by element, read from inside its modal loop.
  std::map<int, std::string> shownTexts(const QString& dataDir) {
    start(dataDir);
    std::map<int, std::string> texts;
    test::whenModalAppears([&](QWidget* settings) {
      EXPECT_EQ(settings->parentWidget(), window());
      EXPECT_NE(settings->windowModality(), Qt::NonModal);
      for (int id = settings_element::kDataDir; id <= settings_element::kDefaultAtlas; ++id) {
        auto* label = FindElementAs<QLabel>(settings, id);
        if (label) texts[id] = label->text().toStdString();
        EXPECT_TRUE(label && label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse) &&
                    !label->textInteractionFlags().testFlag(Qt::TextEditable))
            << "element " << id;
      }
      settings->close();
    });
    click(element::kSettingsButton);
    return texts;
  }
};

TEST_P(SettingsWindow, TellsWhatTheProgramFoundAndWhere) {
  const DataDirCase& c = GetParam();
  const QString dataDirPath = c.dataDir();
  const std::map<int, std::string> texts = shownTexts(dataDirPath);
  ASSERT_EQ(texts.size(), 6u) << "the settings window never came up, or lacks elements";
  const std::string dataDir = dataDirPath.toStdString();
  EXPECT_EQ(texts.at(settings_element::kDataDir), dataDir);
  EXPECT_EQ(texts.at(settings_element::kEdition), "结构版 3.0");
  EXPECT_EQ(texts.at(settings_element::kCatalogueDatabase), dataDir + "/struct.dll\n" + c.catalogue);
  EXPECT_EQ(texts.at(settings_element::kPathSheet), dataDir + "/结构.xls\n" + c.pathSheet);
  EXPECT_EQ(texts.at(settings_element::kAtlases), c.atlases);
  EXPECT_EQ(texts.at(settings_element::kDefaultAtlas), dataDir + "/16G101-1.pdf\n" + c.defaultAtlas);
}

INSTANTIATE_TEST_SUITE_P(DataDirs, SettingsWindow, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<DataDirCase>& info) { return info.param.name; });

}  // namespace
}  // namespace quillmoor
