#pragma once
// The PDF engine and the sheet reader open files by path, so each input is
// written to a file of this process's own scratch folder first.

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillmoor::fuzz {

// Writes the bytes to `name` in the scratch folder (made on first use, removed
// when the process ends normally) and returns its path; empty when it cannot.
std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);

}  // namespace quillmoor::fuzz
