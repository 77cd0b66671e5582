#pragma once
// Whether a path names an existing regular file. A directory is not an atlas
// file nor a path sheet, so it does not count.

#include <string>

namespace quillmoor {

bool IsRegularFile(const std::string& path);

}  // namespace quillmoor
