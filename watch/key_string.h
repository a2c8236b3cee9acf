#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/desktop.h"

namespace slotmate {

// Turns a key string in the usual notation into key presses and releases:
// "~" is Enter, "%" holds Alt down over the next key or parenthesised group,
// "{Up}" is the up arrow, and a letter or digit is its own key. Returns
// nullopt for anything else, so a typo cannot send stray keys.
std::optional<std::vector<platform::KeyEvent>> ParseKeyString(std::string_view keys);

}  // namespace slotmate
