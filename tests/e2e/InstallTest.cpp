// The installed layout and the Debian package: `cmake --install` into a
// staging prefix, the installed program started from its link in bin/ under
// a virtual X server, and the package `cpack -G DEB` makes.

#include "tests/common/TestSupport.h"
#include "tests/e2e/CatalogueFacts.h"
#include "tests/e2e/RunningProgram.h"
#include "tests/e2e/WindowSpots.h"
#include "tests/e2e/WindowSteps.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace quillmoor::e2e {
namespace {

constexpr int kToolMs = 180000;
constexpr char kDesktopEntry[] = "share/applications/quillmoor.desktop";

// Files of the installed layout, relative to the prefix.
const char* const kInstalledFiles[] = {
    "lib/quillmoor/quillmoor",
    "lib/quillmoor/quillmoor-tool",
    "lib/quillmoor/struct.dll",
    "lib/quillmoor/结构.xls",
    "lib/quillmoor/16G101-1.pdf",
    "lib/quillmoor/atlases/16G101-3.pdf",
    kDesktopEntry,
    "share/icons/hicolor/scalable/apps/quillmoor.svg",
};
const char* const kInstalledLinks[][2] = {
    {"bin/quillmoor", "../lib/quillmoor/quillmoor"},
    {"bin/quillmoor-tool", "../lib/quillmoor/quillmoor-tool"},
};

// What the program needs at run time, linked or loaded.
const char* const kRuntimePackages[] = {
    "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6uitools6", "libqt6svg6",     "libsqlcipher0",
    "libfreexl1",  "libzip4",    "libcups2",       "libpcre2-8-0",   "fonts-noto-cjk",
};

QStringList PackageNames(const QByteArray& dependsField) {
  QStringList names;
  for (const QString& entry : QString::fromUtf8(dependsField).split(QLatin1Char(','), Qt::SkipEmptyParts))
    names << entry.trimmed().section(QLatin1Char(' '), 0, 0);
  return names;
}

TEST(Installed, ProgramStartsFromItsLinkOnTheInstalledData) {
  QTemporaryDir stage;
  const QDir prefix(stage.path());
  const test::ProcessResult install = test::runProcess(
      QStringLiteral(QUILLMOOR_CMAKE_COMMAND),
      {QStringLiteral("--install"), QStringLiteral(QUILLMOOR_BINARY_DIR), QStringLiteral("--prefix"), stage.path()}, {},
      kToolMs);
  ASSERT_TRUE(install.finished && install.exitCode == 0) << install.err.toStdString();
  for (const char* file : kInstalledFiles)
    EXPECT_TRUE(QFileInfo(prefix.filePath(QString::fromUtf8(file))).isFile()) << file;
  for (const auto& [link, target] : kInstalledLinks)
    EXPECT_EQ(QFileInfo(prefix.filePath(QString::fromLatin1(link))).symLinkTarget(),
              QFileInfo(prefix.filePath(QStringLiteral("bin/") + QString::fromLatin1(target))).absoluteFilePath())
        << link;
  const test::ProcessResult desktopEntry =
      test::runProcess(QStringLiteral("desktop-file-validate"), {prefix.filePath(QString::fromLatin1(kDesktopEntry))});
  EXPECT_TRUE(desktopEntry.finished && desktopEntry.exitCode == 0 && desktopEntry.out.isEmpty())
      << desktopEntry.out.toStdString();

  // The tool, also started from its link, reads the data beside its real path.
  const CatalogueFacts facts(prefix.filePath(QStringLiteral("bin/quillmoor-tool")));
  const std::optional<CatalogueRowFacts> atlas = facts.row(spot::kFirstAtlasRow);
  ASSERT_TRUE(atlas) << facts.treeText().toStdString();
  EXPECT_TRUE(atlas->file.startsWith(prefix.filePath(QStringLiteral("lib/quillmoor/atlases/"))))
      << atlas->file.toStdString();

  RunningProgram program(QStringLiteral("installed"));
  ASSERT_TRUE(program.start(prefix.filePath(QStringLiteral("bin/quillmoor")))) << program.error().toStdString();
  QImage picture;
  ASSERT_TRUE(ShowsDefaultAtlas(program, facts.pageCount(prefix.filePath(QStringLiteral("lib/quillmoor/16G101-1.pdf"))),
                                &picture));
  ASSERT_TRUE(TurnsPage(program, "next-button", Click(spot::kNextButton), 2, &picture));
  ASSERT_TRUE(OpensAtlasFromCatalogue(program, spot::kFirstAtlasRow, facts.pageCount(atlas->file), &picture));
  EXPECT_TRUE(EndsCleanlyWhenClosed(program));
}

TEST(DebianPackage, DependsOnTheRuntimePackagesAndInstallsUnderUsr) {
  QTemporaryDir out;
  const test::ProcessResult cpack =
      test::runProcess(QStringLiteral(QUILLMOOR_CPACK_COMMAND),
                       {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                        QStringLiteral(QUILLMOOR_BINARY_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), out.path()},
                       {}, kToolMs);
  ASSERT_TRUE(cpack.finished && cpack.exitCode == 0) << cpack.out.toStdString() << cpack.err.toStdString();
  const QStringList debs = QDir(out.path()).entryList({QStringLiteral("quillmoor_*.deb")}, QDir::Files);
  ASSERT_EQ(debs.size(), 1);
  const QString deb = QDir(out.path()).filePath(debs.first());

  const QStringList depends = PackageNames(
      test::runProcess(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")}).out);
  for (const char* package : kRuntimePackages)
    EXPECT_TRUE(depends.contains(QString::fromLatin1(package)))
        << package << " in " << depends.join(QStringLiteral(", ")).toStdString();

  const QString contents =
      QString::fromUtf8(test::runProcess(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb}).out);
  for (const char* file : kInstalledFiles)
    EXPECT_TRUE(contents.contains(QStringLiteral(" ./usr/") + QString::fromUtf8(file) + QLatin1Char('\n'))) << file;
  for (const auto& [link, target] : kInstalledLinks)
    EXPECT_TRUE(contents.contains(
        QStringLiteral(" ./usr/%1 -> %2\n").arg(QString::fromLatin1(link), QString::fromLatin1(target))))
        << link;

  // The path sheet names the folders of the installed package, not the staging place the package was made in.
  const QString root = QDir(out.path()).filePath(QStringLiteral("root"));
  ASSERT_EQ(test::runProcess(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root}).exitCode, 0);
  const CatalogueFacts facts(root + QStringLiteral("/usr/bin/quillmoor-tool"));
  const std::optional<CatalogueRowFacts> atlas = facts.row(spot::kFirstAtlasRow);
  ASSERT_TRUE(atlas) << facts.treeText().toStdString();
  EXPECT_TRUE(atlas->file.startsWith(QStringLiteral("/usr/lib/quillmoor/atlases/"))) << atlas->file.toStdString();
}

}  // namespace
}  // namespace quillmoor::e2e
