#include "util/RegexHelper.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmoor {
namespace {

struct SearchOptions {
  bool caseSensitive = false;
  bool multiline = true;
  bool global = true;
  bool quotePlaceholder = false;
};

constexpr SearchOptions kDefaults{};
constexpr SearchOptions kQuotes{false, true, true, true};
constexpr SearchOptions kQuotesFirstOnly{false, true, false, true};
constexpr SearchOptions kPrinterChoice{false, false, true, true};
constexpr SearchOptions kCaseSensitive{true, true, true, false};
constexpr SearchOptions kSingleLine{false, false, true, false};

constexpr char kQuotedName[] = "#引号(.*?)#引号";
constexpr char kTwoPrinters[] = "\"Office Printer\"\n\"Plotter\"\n";

struct RegexCase {
  const char* name;
  const char* pattern;
  std::string subject;
  SearchOptions options;
  bool accepted;       // what Search returns
  int matches;         // MatchCount afterwards
  int match, group;    // the SubMatch asked for
  const char* text;    // what it gives
};

class RegexHelperCases : public testing::TestWithParam<RegexCase> {};

TEST_P(RegexHelperCases, SearchThenRead) {
  const RegexCase& c = GetParam();
  RegexHelper regex;
  const SearchOptions& o = c.options;
  EXPECT_EQ(regex.Search(c.pattern, c.subject, o.caseSensitive, o.multiline, o.global, o.quotePlaceholder),
            c.accepted);
  EXPECT_EQ(regex.MatchCount(), c.matches);
  EXPECT_EQ(regex.SubMatch(c.match, c.group), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegexHelperCases,
    testing::Values(
        RegexCase{"PlaceholderFindsEveryQuotedName", kQuotedName, kTwoPrinters, kQuotes, true, 2, 1, 1, "Office Printer"},
        RegexCase{"SecondMatchIsTheSecondName", kQuotedName, kTwoPrinters, kQuotes, true, 2, 2, 1, "Plotter"},
        RegexCase{"NotGlobalStopsAtTheFirst", kQuotedName, kTwoPrinters, kQuotesFirstOnly, true, 1, 1, 1, "Office Printer"},
        RegexCase{"PrinterChoiceOptions", kQuotedName, kTwoPrinters, kPrinterChoice, true, 2, 1, 1, "Office Printer"},
        RegexCase{"PlaceholderNotReplacedFindsNothing", kQuotedName, kTwoPrinters, kDefaults, true, 0, 1, 1, ""},
        RegexCase{"PlaceholderTextItselfWhenNotReplaced", kQuotedName, "#引号甲#引号", kDefaults, true, 1, 1, 1, "甲"},
        RegexCase{"ValidPatternWithoutMatch", "z+", "abc", kDefaults, true, 0, 1, 1, ""},
        RegexCase{"UnclosedParenthesisIsRejected", "(abc", "abc", kDefaults, false, 0, 1, 1, ""},
        RegexCase{"IgnoresCaseByDefault", "(abc)", "xABCx", kDefaults, true, 1, 1, 1, "ABC"},
        RegexCase{"CaseSensitiveWhenAsked", "abc", "xABCx", kCaseSensitive, true, 0, 1, 1, ""},
        RegexCase{"ChineseNameStopsAtFirstQuote", kQuotedName, "\"激光打印机（三楼）\",\"绘图仪\"", kPrinterChoice,
                  true, 2, 1, 1, "激光打印机（三楼）"},
        RegexCase{"DotTakesOneChineseCharacter", "^(.)(.)$", "图集", kDefaults, true, 1, 1, 2, "集"},
        RegexCase{"ClassTakesOneChineseCharacter", "([^a])", "a页", kDefaults, true, 1, 1, 1, "页"},
        RegexCase{"MultilineAnchorsAtLineBreaks", "^(b)$", "a\nb\r\nc", kDefaults, true, 1, 1, 1, "b"},
        RegexCase{"SingleLineAnchorsAtTheEnds", "^(b)$", "a\nb\nc", kSingleLine, true, 0, 1, 1, ""},
        RegexCase{"EmptyMatchesStepOnByCharacter", "x*", "a中b", kDefaults, true, 4, 4, 1, ""},
        RegexCase{"MatchBeyondTheLastIsEmpty", "(a)", "aa", kDefaults, true, 2, 3, 1, ""},
        RegexCase{"GroupBeyondTheLastIsEmpty", "(a)", "aa", kDefaults, true, 2, 1, 2, ""},
        RegexCase{"IndexZeroIsEmpty", "(a)", "aa", kDefaults, true, 2, 0, 1, ""},
        RegexCase{"GroupThatTookNoPartIsEmpty", "(a)|(b)", "b", kDefaults, true, 1, 1, 1, ""},
        RegexCase{"OtherAlternativeGroup", "(a)|(b)", "b", kDefaults, true, 1, 1, 2, "b"},
        RegexCase{"InvalidUtf8BytesNeverMatch", "(.)", std::string("a\xff\xfe" "b\xe4\xb8", 6), kDefaults, true, 2, 2,
                  1, "b"},
        RegexCase{"InvalidUtf8InThePatternIsRejected", "\xff", "abc", kDefaults, false, 0, 1, 1, ""}),
    [](const testing::TestParamInfo<RegexCase>& info) { return std::string(info.param.name); });

TEST(RegexHelper, ANewSearchReplacesTheLastOne) {
  RegexHelper regex;
  ASSERT_TRUE(regex.Search("(a)", "aaa"));
  EXPECT_EQ(regex.MatchCount(), 3);
  EXPECT_FALSE(regex.Search("(a", "aaa"));
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.SubMatch(1, 1), "");
}

TEST(RegexHelper, TheCallersPatternKeepsItsPlaceholder) {
  const std::string pattern = kQuotedName;
  RegexHelper regex;
  ASSERT_TRUE(regex.Search(pattern, kTwoPrinters, false, false, true, true));
  EXPECT_EQ(pattern, kQuotedName);
}

}  // namespace
}  // namespace quillmoor
