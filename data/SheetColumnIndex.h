#pragma once
// The records of one sheet column grouped by cell value, each group's record
// numbers ascending, so that "the next record holding this value" is a binary
// search rather than a scan of the sheet.
//
// A value matches a number cell when it reads as the same number ("5" and
// "5.0" match 5, whether the sheet stored an integer or a double) and a text
// cell when the texts are equal; empty cells match nothing.

#include "data/SheetTable.h"

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quillmoor {

class SheetColumnIndex {
 public:
  SheetColumnIndex(const SheetTable& table, std::size_t column);

  // Record numbers count from 1. The first matching record at or after
  // `from`, or the last one at or before it.
  std::optional<int> FirstAtOrAfter(const std::string& value, int from) const;
  std::optional<int> LastAtOrBefore(const std::string& value, int from) const;

 private:
  // The ascending record lists that `value` matches: numbers, then texts.
  std::vector<const std::vector<int>*> Matches(const std::string& value) const;

  std::map<double, std::vector<int>> numbers_;
  std::unordered_map<std::string, std::vector<int>> texts_;
};

}  // namespace quillmoor
