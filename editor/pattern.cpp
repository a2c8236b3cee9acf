#include "editor/pattern.h"

namespace slotmate {
namespace {

// Length of the token that starts at `at` ("[...]" counts as one token).
std::size_t TokenLength(std::string_view pattern, std::size_t at) {
  if (pattern[at] != '[') return 1;
  std::size_t close = pattern.find(']', at + 1);
  return close == std::string_view::npos ? 1 : close - at + 1;
}

bool InSet(std::string_view set, unsigned char c) {
  for (std::size_t i = 0; i < set.size(); ++i) {
    auto low = static_cast<unsigned char>(set[i]);
    // A "-" first or last in the set is an ordinary member.
    if (i + 2 < set.size() && set[i + 1] == '-') {
      auto high = static_cast<unsigned char>(set[i + 2]);
      if (low <= c && c <= high) return true;
      i += 2;
    } else if (low == c) {
      return true;
    }
  }
  return false;
}

bool TokenMatches(std::string_view token, char c) {
  if (token.size() > 1) return InSet(token.substr(1, token.size() - 2), c);
  return token[0] == '?' || token[0] == c;
}

}  // namespace

bool MatchesPattern(std::string_view text, std::string_view pattern) {
  std::size_t t = 0, p = 0;
  // The last star seen and the text position it currently swallows up to;
  // on a mismatch the star takes one more character and matching resumes.
  // Every other token takes exactly one character, so going back to the last
  // star alone is enough.
  std::size_t star = std::string_view::npos, starText = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      starText = t;
      continue;
    }
    if (p < pattern.size()) {
      std::size_t length = TokenLength(pattern, p);
      if (TokenMatches(pattern.substr(p, length), text[t])) {
        ++t;
        p += length;
        continue;
      }
    }
    if (star == std::string_view::npos) return false;
    p = star + 1;
    t = ++starText;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace slotmate
