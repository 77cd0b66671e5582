#pragma once
// Sub-commands of quillmoor-tool. Each group lives in its own file and hands
// its commands to the dispatcher in main.cpp.

#include <QStringList>

#include <vector>

namespace quillmoor::tool {

struct ToolCommand {
  const char* name;
  const char* usage;  // one line: the arguments after the command name
  int (*run)(const QStringList& args);  // args after the command name; exit status
};

std::vector<ToolCommand> pdfCommands();
std::vector<ToolCommand> catalogueCommands();
std::vector<ToolCommand> treeCommands();

}  // namespace quillmoor::tool
