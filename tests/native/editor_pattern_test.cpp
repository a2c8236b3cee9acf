#include "editor/pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace slotmate {
namespace {

struct PatternCase {
  const char* name;
  std::string text;
  std::string pattern;
  bool matches;
};

class PatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, MatchesTheWholeText) {
  const PatternCase& c = GetParam();
  EXPECT_EQ(MatchesPattern(c.text, c.pattern), c.matches)
      << "text \"" << c.text << "\" pattern \"" << c.pattern << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PatternTest,
    testing::Values(PatternCase{"BothEmpty", "", "", true},
                    PatternCase{"EmptyPatternRefusesText", "a", "", false},
                    PatternCase{"EmptyTextRefusesChar", "", "a", false},
                    PatternCase{"EmptyTextRefusesQuestion", "", "?", false},
                    PatternCase{"EmptyTextTakesStars", "", "**", true},
                    PatternCase{"Literal", "abc", "abc", true},
                    PatternCase{"LiteralIsWhole", "abcd", "abc", false},
                    PatternCase{"LiteralIsCaseSensitive", "ABC", "abc", false},
                    PatternCase{"QuestionTakesOne", "abc", "a?c", true},
                    PatternCase{"QuestionNeedsOne", "ac", "a?c", false},
                    PatternCase{"StarTakesNone", "ac", "a*c", true},
                    PatternCase{"StarTakesMany", "a-long-run-c", "a*c", true},
                    PatternCase{"StarMustBacktrack", "abcbcd", "a*bcd", true},
                    PatternCase{"StarBacktrackFails", "abcbce", "a*bcd", false},
                    PatternCase{"TwoStars", "xaybzc", "*a*b*c", true},
                    PatternCase{"TwoStarsOutOfOrder", "xbyazc", "*a*b*c", false},
                    PatternCase{"DigitRange", "7", "[0-9]", true},
                    PatternCase{"DigitRangeRefusesLetter", "A", "[0-9]", false},
                    PatternCase{"LetterRange", "m", "[a-z]", true},
                    PatternCase{"LetterRangeIsCaseSensitive", "M", "[a-z]", false},
                    PatternCase{"RangeAndMembers", "x", "[0-9x]", true},
                    PatternCase{"SetTakesOneChar", "LC", "[LC]", false},
                    PatternCase{"DashAtSetEndIsMember", "-", "[a-]", true},
                    PatternCase{"UnclosedBracketIsLiteral", "[a", "[a", true},
                    PatternCase{"SetAfterStar", "x:\\a\\b7", "?:\\*[0-9]", true}),
    [](const auto& info) { return info.param.name; });

// A text of many near misses against many stars would take exponential time
// with naive backtracking; this one must still finish at once.
TEST(PatternTest, ManyStarsStayFast) {
  std::string text(5000, 'a');
  std::string pattern;
  for (int i = 0; i < 40; ++i) pattern += "*a";
  EXPECT_FALSE(MatchesPattern(text, pattern + "b"));
  EXPECT_TRUE(MatchesPattern(text, pattern));
}

}  // namespace
}  // namespace slotmate
