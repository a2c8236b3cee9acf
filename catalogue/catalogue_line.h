#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace slotmate {

// One game of the catalogue. Its line is the game ID (ten characters), one
// space, the title, a TAB and the memory card path.
struct CatalogueEntry {
  std::string id;
  std::string title;
  std::string cardPath;
  friend bool operator==(const CatalogueEntry&, const CatalogueEntry&) = default;
};

// Takes the fields out of a catalogue line. The ID is the first ten
// characters (the whole line when shorter). Title and path exist only when
// the first TAB stands after the space that follows the ID; both lose their
// outer spaces (spaces only: other characters at the ends stay).
CatalogueEntry ParseCatalogueLine(std::string_view line);

// The catalogue line of an entry, fields taken as they stand.
std::string MakeCatalogueLine(std::string_view id, std::string_view title,
                              std::string_view cardPath);

// What the game list draws of a line: the ID and title, and the card path:
// the text before and after its first TAB.
std::pair<std::string_view, std::string_view> ListColumns(std::string_view line);

// games.txt as rows: a line ends at CR LF or at a CR alone; an LF alone stays
// in its row; the last line may lack its end.
std::vector<std::string> SplitCatalogueText(std::string_view text);
// Rows as games.txt: every row, the last included, ends with CR LF.
std::string JoinCatalogueText(const std::vector<std::string>& rows);

}  // namespace slotmate
