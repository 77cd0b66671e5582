#include "tools/quillmoor-tool/ToolCommands.h"

namespace quillmoor::tool {

std::vector<ToolCommand> pdfCommands() { return {}; }

}  // namespace quillmoor::tool
