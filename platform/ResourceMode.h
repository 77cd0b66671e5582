#pragma once

namespace quillmoor {

// Where the UI resources (layouts, item templates, resource index, style sheet,
// images) come from.
enum class ResourceMode : int {
  LooseFiles = 0,       // files in the current directory
  EmbeddedArchive = 1,  // the encrypted archive inside the executable
  ArchiveFile = 2,      // the encrypted archive "Quillmoor.zip" beside the program
};

inline constexpr char kArchiveFileName[] = "Quillmoor.zip";

}  // namespace quillmoor
