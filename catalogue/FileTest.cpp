#include "catalogue/FileTest.h"

#include <filesystem>
#include <system_error>

namespace quillmoor {

bool IsRegularFile(const std::string& path) {
  std::error_code ignored;  // an unreadable path counts as no file
  return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

}  // namespace quillmoor
