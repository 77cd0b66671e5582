#include "tests/hardening/HardeningData.h"

#include "tests/catalogue/CatalogueFixtures.h"
#include "tests/common/TestSupport.h"
#include "tests/data/DataFixtures.h"
#include "viewer/DocumentSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillmoor::test {
namespace {

const char kCategories[] =
    "sublibid\tsublibname\tupsublibid\n"
    "1\t结构专业\t\n"
    "2\t混凝土结构\t1\n"
    "3\t平法施工图\t2\n";
const char kAtlases[] =
    "id\ttitle\tcode\tcode2\tClassID\n"
    "1\t现浇混凝土板式楼梯\t16G101-2\t1\t3\n"
    "2\t独立基础、条形基础、筏形基础及桩基础\t16G101-3\t2\t3\n";

std::string AtlasLine(const char* code, const char* title, const QString& file, const char* id) {
  return std::string("      A\t") + (file.isEmpty() ? "[×]" : "[√]") + code + "\t" + title + "\t" +
         file.toStdString() + "\t" + id + "\n";
}

}  // namespace

const char kSoundSheet[] =
    "id\t图集所在文件夹\t文件名\n"
    "1\t@ATLASES@\t16G101-2.pdf\n";

const char kStartStatus[] = "就绪：双击目录中的图集即可打开";

QString MakeDataDir(const QString& name, const std::string& sheet) {
  const QString dir = MakeCatalogueDir(name, {kCategories, kAtlases, sheet});
  QFile::copy(programDir() + "/" + kDefaultAtlasName, dir + "/" + kDefaultAtlasName);
  return dir;
}

bool ReplacePathSheet(const QString& dir, const std::string& sheet, const QStringList& options) {
  QString tsv = QString::fromStdString(sheet);
  tsv.replace("@ATLASES@", programDir() + "/atlases").replace("@DIR@", dir);
  const QString made = QString::fromStdString(MakePathSheet(tsv.toStdString(), options));
  const QString target = dir + "/结构.xls";
  QFile::remove(target);
  return QFile::exists(made) && QFile::copy(made, target);
}

QString SampleAtlasFile(const char* code) { return programDir() + "/atlases/" + code + ".pdf"; }

std::string CategoriesOnlyTree() {
  return "C\t结构专业\t1\n"
         "  C\t混凝土结构\t2\n"
         "    C\t平法施工图\t3\n";
}

std::string ExpectedTree(const QString& atlas1File, const QString& atlas2File) {
  return CategoriesOnlyTree() + AtlasLine("16G101-2", "现浇混凝土板式楼梯", atlas1File, "1") +
         AtlasLine("16G101-3", "独立基础、条形基础、筏形基础及桩基础", atlas2File, "2");
}

std::string SelectionHint(const std::string& id, const QString& file) {
  if (file.isEmpty()) return "图集ID：" + id + ",该图集文件不存在，请将图集文件添加到Excel配置文件中。";
  if (QFileInfo(file).isFile()) return "双击打开，图集文件位于：" + file.toStdString();
  return "图集ID：" + id + ",该图集文件不存在，请检查：" + file.toStdString();
}

std::string OpeningHint(const std::string& id, const QString& file) {
  if (file.isEmpty()) return "图集ID：" + id + ",该图集文件不存在，请将图集存储位置添加到Excel配置文件中。";
  return SelectionHint(id, file);
}

}  // namespace quillmoor::test
