#include "app/CommandLine.h"

#include <QDir>

namespace quillmoor {

std::optional<CommandLine> ParseCommandLine(const QStringList& arguments, QString* error) {
  CommandLine line;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--data-dir") && i + 1 < arguments.size()) {
      line.dataDir = QDir(arguments[++i]).absolutePath();
    } else if (argument.startsWith(QLatin1String("--data-dir="))) {
      line.dataDir = QDir(argument.section(QLatin1Char('='), 1)).absolutePath();
    } else {
      *error = QStringLiteral("unknown argument '%1' (usage: quillmoor [--data-dir DIR])").arg(argument);
      return std::nullopt;
    }
  }
  return line;
}

}  // namespace quillmoor
