#include "tests/catalogue/CatalogueFixtures.h"

#include "tests/common/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace quillmoor::test {
namespace {

void WriteText(const QString& path, const std::string& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(text.data(), static_cast<qint64>(text.size()));
}

void Run(const QString& program, const QStringList& args) {
  const ProcessResult result = runProcess(program, args);
  ASSERT_EQ(result.exitCode, 0) << program.toStdString() << ": " << result.err.toStdString();
}

QStringList captured;
QtMessageHandler previousHandler = nullptr;

void Capture(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (context.category && QLatin1String(context.category) == QLatin1String("quillmoor.diagnostic"))
    captured << message;
  else if (previousHandler)
    previousHandler(type, context, message);
}

}  // namespace

QString MakeCatalogueDir(const QString& name, const CatalogueTables& tables) {
  // One folder per call, removed when the test process ends: tests of the
  // same suite may run side by side in separate processes.
  static std::vector<std::unique_ptr<QTemporaryDir>> made;
  made.push_back(std::make_unique<QTemporaryDir>(fixtureDir() + "/catalogue-" + name + "-XXXXXX"));
  const QDir dir(made.back()->path());
  WriteText(dir.filePath("categories.tsv"), tables.categories);
  WriteText(dir.filePath("atlases.tsv"), tables.atlases);
  Run(programDir() + "/quillmoor-tool",
      {"create-catalogue", "--db", dir.filePath("struct.dll"), "--categories", dir.filePath("categories.tsv"),
       "--atlases", dir.filePath("atlases.tsv")});
  if (tables.paths) {
    QString paths = QString::fromStdString(*tables.paths);
    paths.replace("@ATLASES@", programDir() + "/atlases").replace("@DIR@", dir.path());
    WriteText(dir.filePath("paths.tsv"), paths.toStdString());
    Run("/usr/bin/python3", {sourceDir() + "/tools/make-path-sheet.py", dir.filePath("paths.tsv"),
                             dir.filePath("结构.xls")});
  }
  return dir.path();
}

DiagnosticCapture::DiagnosticCapture() {
  captured.clear();
  QLoggingCategory::setFilterRules(QStringLiteral("quillmoor.diagnostic=true"));
  previousHandler = qInstallMessageHandler(Capture);
}

DiagnosticCapture::~DiagnosticCapture() {
  qInstallMessageHandler(previousHandler);
  QLoggingCategory::setFilterRules(QString());
}

const QStringList& DiagnosticCapture::Messages() const { return captured; }

}  // namespace quillmoor::test
