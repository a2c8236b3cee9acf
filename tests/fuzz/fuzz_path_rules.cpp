// The path rules on any text: a cleaned title has no refused character, and
// the card path proposed for it passes the path rules.
#include "editor/entry_rules.h"
#include "fuzz_check.h"

void CheckProperties(std::string_view text) {
  using namespace slotmate::entry;
  std::string clean = CleanFileName(text);
  FUZZ_CHECK(clean.find_first_of(";:<>|?*\"\t\r\n") == std::string::npos);
  if (clean.find('\\') == std::string::npos)
    FUZZ_CHECK(!InvalidPath(ProposedCardPath(text)));
}
