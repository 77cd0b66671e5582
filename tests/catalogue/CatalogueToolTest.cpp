// quillmoor-tool tree and check, run as a maintainer runs them.

#include "BuildConfig.h"
#include "catalogue/CatalogueSources.h"
#include "catalogue/CatalogueTree.h"
#include "catalogue/CatalogueTreeText.h"
#include "catalogue/Edition.h"
#include "platform/UiTreeAdapter.h"
#include "tests/catalogue/CatalogueFixtures.h"
#include "tests/common/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace quillmoor {
namespace {

test::ProcessResult RunTool(const QStringList& args) {
  return test::runProcess(test::programDir() + "/quillmoor-tool", args);
}

TEST(TreeCommand, PrintsTheSampleCatalogueAsTheProgramBuildsIt) {
  const test::ProcessResult printed = RunTool({"tree"});
  ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
  UiTreeAdapter adapter;
  AddCatalogueColumns(adapter);
  CatalogueSources sources(kStructureEditionLabel, test::programDir().toStdString(), build::kResourcePassword);
  BuildCatalogueTree(sources, adapter);
  EXPECT_EQ(printed.out.toStdString(), CatalogueTreeText(adapter));
  // Four levels of real categories; the default atlas has its path.
  EXPECT_TRUE(printed.out.contains("      C\t现浇混凝土框架、剪力墙、梁、板\t4\n"));
  EXPECT_TRUE(printed.out.contains(QStringLiteral("A\t[√]16G101-1\t").toUtf8()));
}

TEST(CheckCommand, ListsMissingFilesAndAtlasesWithoutPath) {
  const QString dir = test::MakeCatalogueDir(
      "check", {"sublibid\tsublibname\tupsublibid\n1\t结构专业\t\n",
                "id\ttitle\tcode\tcode2\tClassID\n"
                "1\t有文件\t16G101-1\t1\t1\n"
                "2\t文件不在\t16G101-2\t2\t1\n"
                "3\t没有路径\t16G101-3\t3\t1\n"
                "4\t是个目录\t16G101-4\t4\t1\n",
                "id\t图集所在文件夹\t文件名\n1\t@DIR@\tpresent.pdf\n2\t@DIR@\tgone.pdf\n4\t@DIR@\tfolder.pdf\n"});
  QFile present(dir + "/present.pdf");
  ASSERT_TRUE(present.open(QIODevice::WriteOnly));
  ASSERT_TRUE(QDir(dir).mkdir("folder.pdf"));
  const test::ProcessResult checked = RunTool({"check", "--data-dir", dir});
  ASSERT_EQ(checked.exitCode, 0) << checked.err.toStdString();
  EXPECT_EQ(checked.out.toStdString(),
            "missing\t2\t16G101-2\t" + dir.toStdString() + "/gone.pdf\n"
            "no path\t3\t16G101-3\n"
            "missing\t4\t16G101-4\t" + dir.toStdString() + "/folder.pdf\n"
            "4 atlases: 1 with their file, 2 whose file is missing, 1 without a path\n");
}

TEST(TreeCommands, RejectOtherArguments) {
  for (const QStringList& args : {QStringList{"tree", "--data"}, QStringList{"check", "--data-dir"}}) {
    const test::ProcessResult run = RunTool(args);
    EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("usage")) << run.err.toStdString();
  }
}

TEST(TreeCommand, SaysWhyACatalogueCannotBeRead) {
  const test::ProcessResult printed = RunTool({"tree", "--data-dir", test::fixtureDir() + "/nowhere"});
  EXPECT_EQ(printed.exitCode, 0);
  EXPECT_TRUE(printed.out.isEmpty());
  EXPECT_TRUE(printed.err.contains(QStringLiteral("数据库连接失败！").toUtf8())) << printed.err.toStdString();
}

}  // namespace
}  // namespace quillmoor
