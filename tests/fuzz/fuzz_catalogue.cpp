// The catalogue on any games.txt: rows survive a join and a split, each line
// gets a CR LF end, and a row's fields survive spaces around them.
#include "catalogue/catalogue_line.h"
#include "fuzz_check.h"

void CheckProperties(std::string_view text) {
  using namespace slotmate;
  std::vector<std::string> rows = SplitCatalogueText(text);
  std::string joined = JoinCatalogueText(rows);
  std::string saved;  // each CR or CR LF becomes CR LF, and a last line gets one
  for (std::size_t i = 0; i < text.size(); ++i) {
    saved += text[i] == '\r' ? "\r\n" : text.substr(i, 1);
    if (text.substr(i, 2) == "\r\n") ++i;
  }
  FUZZ_CHECK(joined ==
             (saved.empty() || saved.ends_with("\r\n") ? saved : saved + "\r\n"));
  FUZZ_CHECK(SplitCatalogueText(joined) == rows);
  for (const std::string& row : rows) {
    CatalogueEntry entry = ParseCatalogueLine(row);
    if (entry.id.size() == 10 && entry.id.find('\t') == std::string::npos)
      FUZZ_CHECK(ParseCatalogueLine(MakeCatalogueLine(entry.id, "  " + entry.title + " ",
                                                      " " + entry.cardPath + "  ")) ==
                 entry);
  }
}
