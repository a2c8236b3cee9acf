#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_line.h"
#include "platform/files.h"

namespace slotmate {

// The player's games: the lines of games.txt, each kept once, in their order.
// It finds a disc's game, takes the editor's entries, and loads and saves
// the file. It knows no window: the game list is a view of it.
class Catalogue {
 public:
  std::size_t Count() const { return lines_.size(); }
  const std::string& Line(std::size_t entry) const { return lines_.at(entry); }
  CatalogueEntry Entry(std::size_t entry) const {
    return ParseCatalogueLine(Line(entry));
  }
  std::string GetCardPath(std::size_t entry) const { return Entry(entry).cardPath; }

  // The entry of the disc `id`: the first whose ID is the disc's in any
  // letter case, else the first whose ID is another disc of the same game.
  // An empty ID names no game.
  std::optional<std::size_t> Find(std::string_view id) const;

  // Each marks the catalogue as changed. Add returns the new entry's index.
  std::size_t Add(const CatalogueEntry& entry);
  void Replace(std::size_t entry, const CatalogueEntry& with);
  void Remove(std::size_t entry);

  // The entries differ from games.txt.
  bool Changed() const { return changed_; }
  // games.txt could not be read whole: it is never saved, and a game may be
  // in the part not read.
  bool Incomplete() const { return incomplete_; }

  // Replaces the entries with those of games.txt at `path`. Only a file that
  // is not there means that there are no games. A file that cannot be read
  // whole keeps the entries read before the failure, which is returned.
  std::optional<std::string> LoadGames(platform::Files& files, const std::string& path);
  // Writes games.txt when the entries changed, replacing it in one step, so a
  // failed save never leaves it truncated; then the failure is returned and
  // the entries stay changed.
  std::optional<std::string> SaveGames(platform::Files& files, const std::string& path);

 private:
  std::vector<std::string> lines_;
  bool changed_ = false;
  bool incomplete_ = false;
};

}  // namespace slotmate
