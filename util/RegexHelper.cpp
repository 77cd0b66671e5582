#include "util/RegexHelper.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <string_view>

namespace quillmoor {

struct RegexHelper::CompiledPattern {
  pcre2_code* code = nullptr;
  pcre2_match_data* matchData = nullptr;
  std::size_t groupCount = 0;  // capturing groups, without the whole match

  ~CompiledPattern() {
    pcre2_match_data_free(matchData);
    pcre2_code_free(code);
  }
};

namespace {

std::string WithQuotes(std::string_view pattern) {
  constexpr std::string_view placeholder = kQuotePlaceholder;
  std::string result;
  for (std::size_t at = pattern.find(placeholder); at != std::string_view::npos; at = pattern.find(placeholder)) {
    result.append(pattern.substr(0, at)).push_back('"');
    pattern.remove_prefix(at + placeholder.size());
  }
  return result.append(pattern);
}

// Invalid UTF-8 in the subject is allowed: such bytes simply never match.
uint32_t CompileOptions(bool caseSensitive, bool multiline) {
  uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
  if (!caseSensitive) options |= PCRE2_CASELESS;
  if (multiline) options |= PCRE2_MULTILINE;
  return options;
}

pcre2_code* CompileCode(const std::string& pattern, uint32_t options) {
  pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
  if (!context) return nullptr;
  // Texts may come with Windows line ends; both CR and LF end a line.
  pcre2_set_newline(context, PCRE2_NEWLINE_ANYCRLF);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), options, &error,
                                   &errorOffset, context);
  pcre2_compile_context_free(context);
  return code;
}

// The offset one character past `at`: a CR LF pair counts as one line end,
// and the bytes that continue a UTF-8 sequence are stepped over.
std::size_t NextCharacter(const std::string& text, std::size_t at) {
  if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n') return at + 2;
  ++at;
  while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
  return at;
}

}  // namespace

RegexHelper::RegexHelper() = default;
RegexHelper::~RegexHelper() = default;

bool RegexHelper::Search(const std::string& pattern, const std::string& subject, bool caseSensitive,
                         bool multiline, bool global, bool quotePlaceholder) {
  pattern_.reset();
  matches_.clear();
  subject_ = subject;
  pcre2_code* code =
      CompileCode(quotePlaceholder ? WithQuotes(pattern) : pattern, CompileOptions(caseSensitive, multiline));
  if (!code) return false;
  pattern_ = std::make_unique<CompiledPattern>();
  pattern_->code = code;
  pattern_->matchData = pcre2_match_data_create_from_pattern(code, nullptr);
  uint32_t groups = 0;
  if (!pattern_->matchData || pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &groups) != 0) return false;
  pattern_->groupCount = groups;
  if (CollectMatches(global)) return true;
  matches_.clear();
  return false;
}

// Walks the subject match by match. After an empty match the next attempt
// at the same place must not be empty again; when there is none, the walk
// moves on by one character, so it always ends.
bool RegexHelper::CollectMatches(bool global) {
  const auto* subject = reinterpret_cast<PCRE2_SPTR>(subject_.data());
  std::size_t start = 0;
  uint32_t flags = 0;
  while (start <= subject_.size()) {
    const int rc = pcre2_match(pattern_->code, subject, subject_.size(), start, flags, pattern_->matchData, nullptr);
    if (rc == PCRE2_ERROR_NOMATCH) {
      if (flags == 0) return true;
      flags = 0;
      start = NextCharacter(subject_, start);
      continue;
    }
    if (rc < 0) return false;  // match or depth limit, out of memory
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(pattern_->matchData);
    Match& match = matches_.emplace_back();
    for (std::size_t group = 0; group <= pattern_->groupCount; ++group)
      match.push_back({ovector[2 * group], ovector[2 * group + 1]});
    if (!global) return true;
    start = ovector[1];
    flags = ovector[0] == ovector[1] ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
  }
  return true;
}

int RegexHelper::MatchCount() const { return static_cast<int>(matches_.size()); }

std::string RegexHelper::SubMatch(int matchIndex, int groupIndex) const {
  if (matchIndex < 1 || matchIndex > MatchCount() || groupIndex < 1) return {};
  const Match& match = matches_[static_cast<std::size_t>(matchIndex - 1)];
  if (static_cast<std::size_t>(groupIndex) >= match.size()) return {};
  const Span span = match[static_cast<std::size_t>(groupIndex)];
  if (span.begin == PCRE2_UNSET || span.end < span.begin) return {};
  return subject_.substr(span.begin, span.end - span.begin);
}

}  // namespace quillmoor
