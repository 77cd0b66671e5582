// The regular-expression helper on arbitrary subjects (and, when the first
// byte asks, arbitrary patterns), every match and group read back.

#include "fuzz/FuzzTargets.h"
#include "util/RegexHelper.h"

#include <algorithm>
#include <string>

namespace quillmoor::fuzz {
namespace {

// The printer list is the subject the program searches: the names between
// double quotes, the quotes written as the placeholder.
constexpr char kPrinterPattern[] = "#引号(.*?)#引号";

enum OptionBit : std::uint8_t {
  kCaseSensitive = 1,
  kMultiline = 2,
  kGlobal = 4,
  kQuotePlaceholder = 8,
  kFuzzedPattern = 16,
};

// Enough matches and groups to walk past every kind of span.
constexpr int kMatchesRead = 64;
constexpr int kGroupsRead = 10;

}  // namespace

int RegexInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string pattern = kPrinterPattern;
  bool placeholder = true;
  if (options & kFuzzedPattern) {
    const std::size_t split = rest.find('\0');
    if (split == std::string::npos) return 0;
    pattern = rest.substr(0, split);
    rest.erase(0, split + 1);
    placeholder = (options & kQuotePlaceholder) != 0;
  }
  RegexHelper regex;
  (void)regex.Search(pattern, rest, options & kCaseSensitive, options & kMultiline, options & kGlobal,
                     placeholder);
  const int matches = std::min(regex.MatchCount(), kMatchesRead);
  for (int match = 0; match <= matches + 1; ++match)
    for (int group = 0; group <= kGroupsRead; ++group) (void)regex.SubMatch(match, group);
  return 0;
}

}  // namespace quillmoor::fuzz
