#pragma once
// The program's command line: `quillmoor [--data-dir DIR]`.

#include <QString>
#include <QStringList>

#include <optional>

namespace quillmoor {

struct CommandLine {
  QString dataDir;  // empty: the program's own directory
};

// Nothing, with `error` set, for an unknown option or a missing value.
std::optional<CommandLine> ParseCommandLine(const QStringList& arguments, QString* error);

}  // namespace quillmoor
