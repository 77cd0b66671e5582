#pragma once
// Writes one sample atlas: a drawing sheet per page and a nested outline
// (chapter, section, sheet) pointing at the pages.

#include "tools/sample-atlases/AtlasPlan.h"

#include <string>

namespace quillmoor::samples {

// Writes `plan` to `path`; false when cairo fails.
bool WriteAtlasPdf(const AtlasPlan& plan, const std::string& path);

}  // namespace quillmoor::samples
