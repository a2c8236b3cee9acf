// The pattern matcher on text, NUL, pattern (no NUL: the input is both): it agrees
// with a plain recursive matcher; a pattern without wildcards matches only itself.
#include "editor/pattern.h"
#include "fuzz_check.h"

static bool InSet(std::string_view set, unsigned char c) {
  auto at = [&](std::size_t i) { return static_cast<unsigned char>(set[i]); };
  if (set.size() >= 3 && set[1] == '-')
    return (at(0) <= c && c <= at(2)) || InSet(set.substr(3), c);
  return !set.empty() && (at(0) == c || InSet(set.substr(1), c));
}

static bool PlainMatch(std::string_view text, std::string_view pattern) {
  if (pattern.empty()) return text.empty();
  if (pattern[0] == '*')
    return PlainMatch(text, pattern.substr(1)) ||
           (!text.empty() && PlainMatch(text.substr(1), pattern));
  if (text.empty()) return false;
  std::size_t close = pattern[0] == '[' ? pattern.find(']', 1) : pattern.npos;
  if (close != pattern.npos)
    return InSet(pattern.substr(1, close - 1), text[0]) &&
           PlainMatch(text.substr(1), pattern.substr(close + 1));
  return (pattern[0] == '?' || pattern[0] == text[0]) &&
         PlainMatch(text.substr(1), pattern.substr(1));
}

void CheckProperties(std::string_view input) {
  std::size_t nul = input.find('\0');
  std::string_view text = input.substr(0, nul);
  std::string_view pattern = nul == input.npos ? input : input.substr(nul + 1);
  bool matches = slotmate::MatchesPattern(text, pattern);
  // The plain matcher takes exponential time on many stars: keep it short.
  if (text.size() <= 8 && pattern.size() <= 12)
    FUZZ_CHECK(matches == PlainMatch(text, pattern));
  if (pattern.find_first_of("*?[") == pattern.npos)
    FUZZ_CHECK(matches == (text == pattern));
}
