#include "tools/quillmoor-tool/TsvTable.h"

#include <algorithm>
#include <fstream>

namespace quillmoor::tool {

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

void StripLineEnd(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

}  // namespace

std::optional<TsvTable> ReadTsv(const std::string& path, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  TsvTable table;
  std::string line;
  for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
    StripLineEnd(line);
    if (lineNumber == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (line.empty()) continue;
    std::vector<std::string> fields = SplitTabs(line);
    if (table.header.empty()) {
      table.header = std::move(fields);
      continue;
    }
    if (fields.size() > table.header.size()) {
      error = path + ":" + std::to_string(lineNumber) + ": more values than columns";
      return std::nullopt;
    }
    fields.resize(table.header.size());
    table.rows.push_back(std::move(fields));
  }
  if (table.header.empty()) {
    error = path + ": no header line";
    return std::nullopt;
  }
  return table;
}

std::optional<std::vector<std::vector<std::string>>> SelectColumns(
    const TsvTable& table, const std::vector<std::string>& columns, std::string& error) {
  std::vector<std::size_t> positions;
  for (const std::string& column : columns) {
    const auto found = std::find(table.header.begin(), table.header.end(), column);
    if (found == table.header.end()) {
      error = "no column '" + column + "' in the header";
      return std::nullopt;
    }
    positions.push_back(static_cast<std::size_t>(found - table.header.begin()));
  }
  std::vector<std::vector<std::string>> rows;
  rows.reserve(table.rows.size());
  for (const std::vector<std::string>& row : table.rows) {
    std::vector<std::string>& values = rows.emplace_back();
    for (std::size_t position : positions) values.push_back(row[position]);
  }
  return rows;
}

}  // namespace quillmoor::tool
