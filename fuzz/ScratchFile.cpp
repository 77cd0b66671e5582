#include "fuzz/ScratchFile.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>

namespace quillmoor::fuzz {
namespace {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) return;
    path_ = base / ("quillmoor-fuzz-" + std::to_string(getpid()));
    if (!std::filesystem::create_directories(path_, error) && error) path_.clear();
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  static const ScratchFolder folder;
  if (folder.path().empty()) return {};
  const std::filesystem::path file = folder.path() / name;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  return out ? file.string() : std::string();
}

}  // namespace quillmoor::fuzz
