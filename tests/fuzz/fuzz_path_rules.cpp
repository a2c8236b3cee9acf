// The path rules on any text: a path passes exactly when it is a drive's .mem
// file with no refused or control character and no doubled backslash after its start; a
// cleaned title has no refused character, and its proposed card path passes.
#include <algorithm>

#include "editor/entry_rules.h"
#include "fuzz_check.h"

static bool GoodCardPath(std::string_view path) {
  std::string end(path.substr(path.size() < 4 ? 0 : path.size() - 4));
  for (char& c : end) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return path.size() >= 7 && path.find(':') == 1 && path[2] == '\\' && end == ".mem" &&
         path.find_first_of(";<>|?*\"") == path.npos &&
         path.find("\\\\", 1) == path.npos &&
         std::none_of(path.begin(), path.end(),
                      [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

void CheckProperties(std::string_view text) {
  using namespace slotmate::entry;
  FUZZ_CHECK(InvalidPath(text) == !GoodCardPath(text));
  std::string clean = CleanFileName(text);
  FUZZ_CHECK(clean.find_first_of(";:<>|?*\"\t\r\n") == std::string::npos);
  if (clean.find('\\') == std::string::npos)
    FUZZ_CHECK(!InvalidPath(ProposedCardPath(text)));
}
