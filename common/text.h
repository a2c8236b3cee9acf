#pragma once

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

// Text and game ID helpers, in one place. Letter case is folded for ASCII
// letters only: IDs, boot lines and settings are ASCII.
namespace slotmate {

// A game ID such as SLUS-00453: four letters, a hyphen and five digits.
inline constexpr std::size_t kIdLength = 10;

inline char UpperAscii(char c) {
  return char(std::toupper(static_cast<unsigned char>(c)));
}
inline char LowerAscii(char c) {
  return char(std::tolower(static_cast<unsigned char>(c)));
}

inline std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return LowerAscii(c); });
  return text;
}

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

// Removes spaces (and only spaces) from both ends.
inline std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace slotmate
