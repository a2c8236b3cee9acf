// The boot-line reader on any boot file: the first line ends at the first CR;
// the ID is empty or has the reader's shape, whatever the line's letter case;
// no folder before the boot file's name, nor text after its path, changes its ID.
#include <cctype>
#include <regex>

#include "fuzz_check.h"
#include "watch/game_id.h"

void CheckProperties(std::string_view text) {
  using slotmate::GameIdFromBootLine;
  std::string_view line = slotmate::FirstTextLine(text);
  FUZZ_CHECK(line.data() == text.data() && line.find('\r') == line.npos);
  FUZZ_CHECK(line.size() == text.size() || text[line.size()] == '\r');
  // "S", up to three more and a hyphen, then up to five more after four.
  static const std::regex kShape("|S[^a-z]{0,2}-|S[^a-z]{3}-[^a-z]{0,5}");
  std::string id = GameIdFromBootLine(line), lower(line);
  FUZZ_CHECK(std::regex_match(id, kShape));
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  FUZZ_CHECK(GameIdFromBootLine(lower) == id);
  std::string folder(text);
  std::erase_if(folder, [](char c) { return c == ';' || std::isspace(c & 0xff); });
  for (char end : std::string_view("; \t\n"))
    FUZZ_CHECK(GameIdFromBootLine("BOOT = cdrom:\\" + folder + "\\SLUS_004.53" + end +
                                  std::string(text)) == "SLUS-00453");
}
