#pragma once
// Failure texts that the user is not shown. They go to the logging category
// "quillmoor.diagnostic", silent unless a maintainer switches it on:
//   QT_LOGGING_RULES="quillmoor.diagnostic=true" quillmoor

#include <QLoggingCategory>

#include <string>

Q_DECLARE_LOGGING_CATEGORY(quillmoorDiagnostic)

namespace quillmoor {

void DiagnosticOutput(const std::string& text);

}  // namespace quillmoor
