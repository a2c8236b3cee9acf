#include "catalogue/catalogue_line.h"

#include <algorithm>

#include "common/text.h"

namespace slotmate {
namespace {

// The TAB must stand after the ID and its separating space (index 11 or
// later, counting from 0) for the line to carry a title and a path.
constexpr std::size_t kFirstTabWithFields = kIdLength + 1;

}  // namespace

std::pair<std::string_view, std::string_view> ListColumns(std::string_view line) {
  const auto tab = line.find('\t');
  if (tab == line.npos) return {line, {}};
  return {line.substr(0, tab), line.substr(tab + 1)};
}

CatalogueEntry ParseCatalogueLine(std::string_view line) {
  CatalogueEntry entry{std::string(line.substr(0, kIdLength)), "", ""};
  std::size_t tab = line.find('\t');
  if (tab != std::string_view::npos && tab >= kFirstTabWithFields) {
    entry.title = TrimBlanks(line.substr(kIdLength, tab - kIdLength));
    entry.cardPath = TrimBlanks(line.substr(tab + 1));
  }
  return entry;
}

std::string MakeCatalogueLine(std::string_view id, std::string_view title,
                              std::string_view cardPath) {
  std::string line;
  line.reserve(id.size() + title.size() + cardPath.size() + 2);
  line.append(id).append(" ").append(title).append("\t").append(cardPath);
  return line;
}

std::vector<std::string> SplitCatalogueText(std::string_view text) {
  std::vector<std::string> rows;
  rows.reserve(std::size_t(std::count(text.begin(), text.end(), '\r')) + 1);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t cr = text.find('\r', start);
    if (cr == std::string_view::npos) {
      rows.emplace_back(text.substr(start));
      break;
    }
    rows.emplace_back(text.substr(start, cr - start));
    start = cr + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return rows;
}

std::string JoinCatalogueText(const std::vector<std::string>& rows) {
  std::size_t size = 0;
  for (const auto& row : rows) size += row.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& row : rows) text.append(row).append("\r\n");
  return text;
}

}  // namespace slotmate
