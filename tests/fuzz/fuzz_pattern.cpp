// The pattern matcher on any text, with the program's two patterns: the card
// path's and the game ID's, each against the same rule written as a regex.
#include <regex>

#include "editor/pattern.h"
#include "fuzz_check.h"

void CheckProperties(std::string_view text) {
  static const std::regex kCard(R"([^]:\\[^]*\.mem)"), kId("S[LC][PEU][SM]-[0-9]{5}");
  const std::string whole(text);
  FUZZ_CHECK(slotmate::MatchesPattern(text, "?:\\*.mem") ==
             std::regex_match(whole, kCard));
  FUZZ_CHECK(slotmate::MatchesPattern(text, "S[LC][PEU][SM]-[0-9][0-9][0-9][0-9][0-9]") ==
             std::regex_match(whole, kId));
}
