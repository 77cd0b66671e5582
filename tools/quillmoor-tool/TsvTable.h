#pragma once
// A tab-separated UTF-8 text file whose first line names the columns, as the
// tool reads its catalogue input.

#include <optional>
#include <string>
#include <vector>

namespace quillmoor::tool {

struct TsvTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;  // each as wide as the header
};

// Reads the file (a leading byte-order mark, CR line ends and blank lines are
// ignored; short rows are padded with empty values). Nothing, with `error`
// set, when the file cannot be read, has no header or a row is too long.
std::optional<TsvTable> ReadTsv(const std::string& path, std::string& error);

// The values of `columns`, in that order, for every row; nothing, with
// `error` set, when the header lacks one of them.
std::optional<std::vector<std::vector<std::string>>> SelectColumns(
    const TsvTable& table, const std::vector<std::string>& columns, std::string& error);

}  // namespace quillmoor::tool
