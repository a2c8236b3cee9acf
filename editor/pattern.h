#pragma once

#include <string_view>

namespace slotmate {

// Whole-text, case-sensitive match against a pattern where "?" is any one
// character, "*" any run of characters (none included) and "[...]" one
// character of a set, which may hold ranges such as "0-9". Every other
// character, and a "[" without its "]", stands for itself. Runs in time
// proportional to the product of the two lengths at worst.
bool MatchesPattern(std::string_view text, std::string_view pattern);

}  // namespace slotmate
