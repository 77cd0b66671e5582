// quillmoor-tool: the command-line companion, built from the program's own code.

#include "tools/quillmoor-tool/ToolCommands.h"

#include <QCoreApplication>

#include <cstdio>

using quillmoor::tool::ToolCommand;

namespace {

std::vector<ToolCommand> allCommands() {
  std::vector<ToolCommand> commands = quillmoor::tool::pdfCommands();
  for (const ToolCommand& c : quillmoor::tool::catalogueCommands()) commands.push_back(c);
  for (const ToolCommand& c : quillmoor::tool::treeCommands()) commands.push_back(c);
  return commands;
}

void printUsage(const std::vector<ToolCommand>& commands) {
  std::fprintf(stderr, "usage: quillmoor-tool COMMAND [ARGS]\ncommands:\n");
  for (const ToolCommand& c : commands) std::fprintf(stderr, "  %s %s\n", c.name, c.usage);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const std::vector<ToolCommand> commands = allCommands();
  QStringList args = app.arguments().mid(1);
  if (args.isEmpty()) {
    printUsage(commands);
    return 2;
  }
  const QString name = args.takeFirst();
  for (const ToolCommand& c : commands) {
    if (name == QLatin1String(c.name)) return c.run(args);
  }
  std::fprintf(stderr, "quillmoor-tool: unknown command '%s'\n", qPrintable(name));
  printUsage(commands);
  return 2;
}
