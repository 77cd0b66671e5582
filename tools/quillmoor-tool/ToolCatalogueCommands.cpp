#include "tools/quillmoor-tool/ToolCommands.h"

namespace quillmoor::tool {

std::vector<ToolCommand> catalogueCommands() { return {}; }

}  // namespace quillmoor::tool
