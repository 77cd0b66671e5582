#include "data/SheetColumnIndex.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quillmoor {

namespace {

// The value as a finite number, when the whole text reads as one.
std::optional<double> AsNumber(const std::string& value) {
  double number = 0;
  const char* end = value.data() + value.size();
  const auto parsed = std::from_chars(value.data(), end, number);
  if (parsed.ec != std::errc() || parsed.ptr != end || !std::isfinite(number)) return std::nullopt;
  return number;
}

}  // namespace

SheetColumnIndex::SheetColumnIndex(const SheetTable& table, std::size_t column) {
  int record = 0;
  for (const std::vector<SheetCell>& cells : table.records) {
    ++record;
    const SheetCell& cell = cells[column];
    if (const auto* number = std::get_if<double>(&cell)) numbers_[*number].push_back(record);
    if (const auto* text = std::get_if<std::string>(&cell)) texts_[*text].push_back(record);
  }
}

std::vector<const std::vector<int>*> SheetColumnIndex::Matches(const std::string& value) const {
  std::vector<const std::vector<int>*> lists;
  if (const std::optional<double> number = AsNumber(value)) {
    if (const auto found = numbers_.find(*number); found != numbers_.end())
      lists.push_back(&found->second);
  }
  if (const auto found = texts_.find(value); found != texts_.end()) lists.push_back(&found->second);
  return lists;
}

std::optional<int> SheetColumnIndex::FirstAtOrAfter(const std::string& value, int from) const {
  std::optional<int> first;
  for (const std::vector<int>* records : Matches(value)) {
    const auto at = std::lower_bound(records->begin(), records->end(), from);
    if (at != records->end() && (!first || *at < *first)) first = *at;
  }
  return first;
}

std::optional<int> SheetColumnIndex::LastAtOrBefore(const std::string& value, int from) const {
  std::optional<int> last;
  for (const std::vector<int>* records : Matches(value)) {
    const auto after = std::upper_bound(records->begin(), records->end(), from);
    if (after != records->begin() && (!last || *(after - 1) > *last)) last = *(after - 1);
  }
  return last;
}

}  // namespace quillmoor
