#include "catalogue/catalogue.h"

#include <algorithm>
#include <limits>

#include "catalogue/disc_sets.h"
#include "common/text.h"

namespace slotmate {

std::optional<std::size_t> Catalogue::Find(std::string_view id) const {
  if (id.empty()) return std::nullopt;
  const auto idOf = [](const std::string& line) {
    return std::string_view(line).substr(0, kIdLength);
  };
  auto found = std::find_if(lines_.begin(), lines_.end(), [&](const std::string& line) {
    return EqualIgnoringCase(idOf(line), id);
  });
  const auto game = found == lines_.end() ? GameOfDisc(id) : std::nullopt;
  if (game)
    found = std::find_if(lines_.begin(), lines_.end(), [&](const std::string& line) {
      return GameOfDisc(idOf(line)) == game;
    });
  if (found == lines_.end()) return std::nullopt;
  return std::size_t(found - lines_.begin());
}

std::size_t Catalogue::Add(const CatalogueEntry& entry) {
  lines_.push_back(MakeCatalogueLine(entry.id, entry.title, entry.cardPath));
  changed_ = true;
  return lines_.size() - 1;
}

void Catalogue::Replace(std::size_t entry, const CatalogueEntry& with) {
  lines_.at(entry) = MakeCatalogueLine(with.id, with.title, with.cardPath);
  changed_ = true;
}

void Catalogue::Remove(std::size_t entry) {
  lines_.erase(lines_.begin() + std::ptrdiff_t(entry));
  changed_ = true;
}

std::optional<std::string> Catalogue::LoadGames(platform::Files& files,
                                                const std::string& path) {
  incomplete_ = true;
  lines_.clear();
  const auto size = files.Length(path);
  // A missing or empty file leaves the catalogue empty.
  if (!size.failure && size.bytes.value_or(0) == 0) {
    incomplete_ = false;
    return std::nullopt;
  }
  auto text = size.failure ? platform::Files::Contents{"", size.failure}
                           : files.Read(path, std::numeric_limits<std::size_t>::max());
  if (text.failure) {
    // The lines read so far stay, the line cut off by the failure aside (a
    // line ends at a CR; an LF alone belongs to its line).
    const auto lastEnd = text.bytes.rfind('\r');
    text.bytes.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
  }
  lines_ = SplitCatalogueText(text.bytes);
  incomplete_ = text.failure.has_value();
  return text.failure;
}

std::optional<std::string> Catalogue::SaveGames(platform::Files& files,
                                                const std::string& path) {
  if (!changed_) return std::nullopt;
  if (incomplete_)
    return "It could not be read whole when Slotmate started, and saving now would lose "
           "the games that were not read.";
  auto failure = files.ReplaceWhole(path, JoinCatalogueText(lines_));
  if (!failure) changed_ = false;
  return failure;
}

}  // namespace slotmate
