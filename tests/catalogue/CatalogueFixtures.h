#pragma once
// Data directories for the catalogue tests, made at test time with the
// project's own tools: a keyed catalogue from TSV tables (quillmoor-tool
// create-catalogue) and a path sheet (tools/make-path-sheet.py).

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace quillmoor::test {

struct CatalogueTables {
  std::string categories;            // TSV: sublibid, sublibname, upsublibid
  std::string atlases;               // TSV: id, title, code, code2, ClassID
  std::optional<std::string> paths;  // TSV: id, 图集所在文件夹, 文件名; none: no sheet
};

// A fresh directory "catalogue-<name>-XXXXXX" in the fixture folder, kept
// until the test process ends, holding
// struct.dll and, when paths are given, 结构.xls. "@ATLASES@" in the paths
// stands for the built sample atlases' folder, "@DIR@" for this directory.
QString MakeCatalogueDir(const QString& name, const CatalogueTables& tables);

// Collects what reaches the diagnostic logging category while it lives,
// switched on for the time.
class DiagnosticCapture {
 public:
  DiagnosticCapture();
  ~DiagnosticCapture();
  DiagnosticCapture(const DiagnosticCapture&) = delete;
  DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;

  const QStringList& Messages() const;
};

}  // namespace quillmoor::test
