// The path rules on any title: the card path proposed for it passes them.
#include "editor/entry_rules.h"
#include "fuzz_check.h"

void CheckProperties(std::string_view text) {
  using namespace slotmate::entry;
  if (CleanFileName(text).find('\\') == std::string::npos)
    FUZZ_CHECK(!InvalidPath(ProposedCardPath(text)));
}
