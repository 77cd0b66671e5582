#include "app/PageBoxReport.h"

#include "util/DiagnosticOutput.h"

#include <QLineEdit>

#include <string>

namespace quillmoor {
namespace {

void ReportBox(QLineEdit* box, const std::string& label) {
  if (!box) return;
  const auto report = [label](const QString& text) { DiagnosticOutput(label + ": " + text.toStdString()); };
  report(box->text());
  QObject::connect(box, &QLineEdit::textChanged, box, report);
}

}  // namespace

void ReportPageBoxes(QLineEdit* pageBox, QLineEdit* pageCountBox) {
  if (!quillmoorDiagnostic().isDebugEnabled()) return;
  ReportBox(pageBox, "page box");
  ReportBox(pageCountBox, "page count");
}

}  // namespace quillmoor
