#include "util/DiagnosticOutput.h"

Q_LOGGING_CATEGORY(quillmoorDiagnostic, "quillmoor.diagnostic", QtWarningMsg)

namespace quillmoor {

void DiagnosticOutput(const std::string& text) {
  qCDebug(quillmoorDiagnostic).noquote() << QString::fromStdString(text);
}

}  // namespace quillmoor
