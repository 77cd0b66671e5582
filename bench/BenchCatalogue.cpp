#include "bench/BenchCatalogue.h"

#include "BuildConfig.h"
#include "catalogue/Edition.h"
#include "viewer/DocumentSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <functional>
#include <vector>

namespace quillmoor::bench {
namespace {

constexpr int kToolTimeoutMs = 10 * 60 * 1000;

struct Category {
  int id;
  int parent;  // 0: top
  int level;
};

std::vector<Category> Categories(const BenchCatalogueShape& shape) {
  std::vector<Category> all;
  for (int i = 0; i < shape.topCategories; ++i) all.push_back({static_cast<int>(all.size()) + 1, 0, 1});
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Category parent = all[i];
    if (parent.level == 4) continue;
    const int children = parent.level == 3 ? shape.childrenAtLastLevel : shape.childrenPerCategory;
    for (int c = 0; c < children; ++c) all.push_back({static_cast<int>(all.size()) + 1, parent.id, parent.level + 1});
  }
  return all;
}

QString AtlasCode(int id) { return QStringLiteral("%1G%2-%3").arg(10 + id % 13).arg(100 + id / 7 % 900).arg(id % 7 + 1); }

bool WriteTsv(const QString& path, const QString& header, const std::function<void(QTextStream&)>& rows) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&file);
  out << header << '\n';
  rows(out);
  return out.status() == QTextStream::Ok;
}

bool WriteTables(const QString& dir, const BenchCatalogueShape& shape) {
  const std::vector<Category> categories = Categories(shape);
  const auto categoryOf = [&](int atlas) { return categories[static_cast<std::size_t>(atlas) % categories.size()].id; };
  return WriteTsv(dir + "/categories.tsv", "sublibid\tsublibname\tupsublibid",
                  [&](QTextStream& out) {
                    for (const Category& c : categories)
                      out << c.id << "\t第" << c.level << "级分类" << c.id << '\t'
                          << (c.parent ? QString::number(c.parent) : QString()) << '\n';
                  }) &&
         WriteTsv(dir + "/atlases.tsv", "id\ttitle\tcode\tcode2\tClassID", [&](QTextStream& out) {
           for (int id = 1; id <= shape.atlases; ++id)
             out << id << "\t混凝土结构施工图平面整体表示方法制图规则和构造详图（第" << id << "册）\t"
                 << AtlasCode(id) << '\t' << id << '\t' << categoryOf(id) << '\n';
         }) &&
         // The sheet lists the atlases in the reverse order of their ids.
         WriteTsv(dir + "/paths.tsv", "id\t图集所在文件夹\t文件名", [&](QTextStream& out) {
           for (int id = shape.atlases; id >= 1; --id)
             out << id << "\t/srv/atlases/" << categoryOf(id) << '\t' << AtlasCode(id) << ".pdf\n";
         });
}

bool Run(const QString& program, const QStringList& args, QString* error) {
  QProcess process;
  process.start(program, args);
  if (process.waitForFinished(kToolTimeoutMs) && process.exitStatus() == QProcess::NormalExit &&
      process.exitCode() == 0)
    return true;
  *error = program + ": " + QString::fromLocal8Bit(process.readAllStandardError());
  return false;
}

}  // namespace

int CategoryCount(const BenchCatalogueShape& shape) { return static_cast<int>(Categories(shape).size()); }

bool MakeBenchCatalogue(const QString& dir, const BenchCatalogueShape& shape, QString* error) {
  if (!WriteTables(dir, shape)) {
    *error = QStringLiteral("cannot write the tables into ") + dir;
    return false;
  }
  const EditionFiles files = EditionFilesFor(BuildEditionLabel());
  const QString database = dir + "/" + QString::fromStdString(files.databaseFile);
  const QString sheet = dir + "/" + QString::fromStdString(files.pathSheetFile);
  QFile::remove(database);
  const QString programDir = QCoreApplication::applicationDirPath();
  QFile::copy(programDir + "/" + kDefaultAtlasName, dir + "/" + kDefaultAtlasName);
  return Run(programDir + "/quillmoor-tool",
             {"create-catalogue", "--db", database, "--categories", dir + "/categories.tsv", "--atlases",
              dir + "/atlases.tsv"},
             error) &&
         Run("/usr/bin/python3",
             {QString::fromLatin1(build::kSourceDir) + "/tools/make-path-sheet.py", dir + "/paths.tsv", sheet},
             error);
}

}  // namespace quillmoor::bench
