#pragma once
// Small text helpers for the keywords and names of the sheet wrappers, which
// (like the automation objects they stand in for) ignore ASCII case.

#include <algorithm>
#include <cctype>
#include <string>

namespace quillmoor::ascii_text {

// Without leading and trailing blanks and tabs.
inline std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

inline bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

}  // namespace quillmoor::ascii_text
