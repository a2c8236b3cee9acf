#include "watch/key_string.h"

#include "common/text.h"

namespace slotmate {
namespace {

using platform::KeyEvent;

void Press(std::vector<KeyEvent>& out, std::uint16_t key) {
  out.push_back({key, true});
  out.push_back({key, false});
}

// One key or group at `at`; advances past it.
bool ParseOne(std::string_view keys, std::size_t& at, std::vector<KeyEvent>& out) {
  char c = keys[at];
  if (c == '~') {
    Press(out, platform::kVkReturn);
    ++at;
    return true;
  }
  if (c == '{') {
    constexpr std::string_view kUp = "{Up}";
    if (keys.substr(at, kUp.size()) != kUp) return false;
    Press(out, platform::kVkUp);
    at += kUp.size();
    return true;
  }
  if (c == '%') {
    if (++at >= keys.size()) return false;
    out.push_back({platform::kVkMenu, true});
    if (keys[at] == '(') {
      ++at;
      while (at < keys.size() && keys[at] != ')')
        if (!ParseOne(keys, at, out)) return false;
      if (at >= keys.size()) return false;
      ++at;
    } else if (!ParseOne(keys, at, out)) {
      return false;
    }
    out.push_back({platform::kVkMenu, false});
    return true;
  }
  if (std::isalnum(static_cast<unsigned char>(c))) {
    // Virtual-key codes of letters and digits are their upper-case characters.
    Press(out, static_cast<unsigned char>(UpperAscii(c)));
    ++at;
    return true;
  }
  return false;
}

}  // namespace

std::optional<std::vector<KeyEvent>> ParseKeyString(std::string_view keys) {
  std::vector<KeyEvent> out;
  for (std::size_t at = 0; at < keys.size();)
    if (!ParseOne(keys, at, out)) return std::nullopt;
  return out;
}

}  // namespace slotmate
