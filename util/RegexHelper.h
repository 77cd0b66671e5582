#pragma once
// One regular-expression search over a text, then its matches and groups by
// number. Built on PCRE2 in UTF mode: pattern and subject are UTF-8 and work
// on characters, so a Chinese character is one character for `.` and `[^"]`.
// A helper lives for one search: create it, search, read, drop it.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace quillmoor {

// Written in a pattern where a double quote is meant; Search replaces it
// when asked to.
inline constexpr char kQuotePlaceholder[] = "#引号";

class RegexHelper {
 public:
  RegexHelper();
  ~RegexHelper();
  RegexHelper(const RegexHelper&) = delete;
  RegexHelper& operator=(const RegexHelper&) = delete;

  // Compiles `pattern` and collects its matches in `subject` (all of them
  // when `global`, else the first). True when the pattern compiled and the
  // search ran, with or without a match; false for a rejected pattern or a
  // search the engine gave up on, which leaves no match. `multiline` lets `^`
  // and `$` match at line breaks. Bytes of the subject that are not valid
  // UTF-8 never match anything.
  bool Search(const std::string& pattern, const std::string& subject, bool caseSensitive = false,
              bool multiline = true, bool global = true, bool quotePlaceholder = false);

  // Matches of the last search.
  int MatchCount() const;
  // The text group `groupIndex` captured in match `matchIndex` (both from 1);
  // empty beyond the matches or groups and for a group that took no part.
  std::string SubMatch(int matchIndex, int groupIndex) const;

 private:
  struct Span {
    std::size_t begin;
    std::size_t end;
  };
  // Group spans of one match, group 0 (the whole match) first.
  using Match = std::vector<Span>;
  struct CompiledPattern;

  bool CollectMatches(bool global);

  std::unique_ptr<CompiledPattern> pattern_;
  std::vector<Match> matches_;
  std::string subject_;
};

}  // namespace quillmoor
