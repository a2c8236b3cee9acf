// The key-string reader on any text: it refuses characters outside its notation;
// what it reads presses and releases a key for each "~", "%", "{Up}", letter and
// digit, nested; two texts it reads read the same joined; the notation's pieces read.
#include <cctype>
#include <cstring>

#include "fuzz_check.h"
#include "watch/key_string.h"

using Keys = std::vector<slotmate::platform::KeyEvent>;

// Every release lets go of the key pressed last and still down.
static bool Nested(const Keys& keys) {
  std::vector<std::uint16_t> down;
  for (const auto& key : keys) {
    if (!key.down && (down.empty() || down.back() != key.virtualKey)) return false;
    key.down ? down.push_back(key.virtualKey) : down.pop_back();
  }
  return down.empty();
}

void CheckProperties(std::string_view text) {
  std::optional<Keys> keys = slotmate::ParseKeyString(text);
  std::ptrdiff_t presses = 0;  // each "{Up}" holds three characters that press nothing
  bool foreign = false;
  for (unsigned char c : text) {
    presses += std::isalnum(c) || c == '~' || c == '%' ? 1 : c == '{' ? -1 : 0;
    foreign = foreign || (!std::isalnum(c) && !std::strchr("~%(){}", c)) || c == 0;
  }
  if (foreign) FUZZ_CHECK(!keys);
  if (keys) FUZZ_CHECK(Nested(*keys) && std::ssize(*keys) == 2 * presses);
  static const char* const kPieces[] = {"~", "a", "7", "{Up}", "%x", "%(E)", "%(E7)"};
  std::string good;
  for (unsigned char c : text) good += kPieces[c % std::size(kPieces)];
  FUZZ_CHECK(slotmate::ParseKeyString(good));
  for (std::size_t cut = 0; text.size() <= 64 && cut <= text.size(); ++cut) {
    auto head = slotmate::ParseKeyString(text.substr(0, cut));
    auto tail = slotmate::ParseKeyString(text.substr(cut));
    if (!head || !tail) continue;
    head->insert(head->end(), tail->begin(), tail->end());
    FUZZ_CHECK(keys == head);
  }
}
