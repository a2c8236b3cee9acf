#include "watch/new_game.h"

#include <utility>

#include "catalogue/disc_sets.h"
#include "editor/entry_rules.h"
#include "editor/memory_card.h"

namespace slotmate {

// The entry is built as Get it! and Save build one, but the card is named
// after the disc's ID: one card per game, still right when it is renamed. A
// game on several discs takes its title from the built-in list where the
// ANSI code page can write it.
NewGames::Added NewGames::AddNewGame(const std::string& id) {
  // Only an ID the editor accepts: its entry must pass Save when it is
  // changed, and a short one would match no entry and add another every time.
  if (!entry::HasRegionCode(id) || !entry::HasIdFormat(id)) return {};
  // The game's entry may be in the part of the list not read: one of its own
  // would point its slot at a blank card, and its saves would seem lost at
  // the next start, when the real entry wins again.
  if (catalogue_.Incomplete()) {
    if (std::exchange(toldIncomplete_, true)) return {};
    return {
        std::nullopt,
        id + " is not in the game list, but new games are not added in this run: the "
             "list could not be read whole, and the game may be in the part not read."};
  }
  const std::string card = entry::ProposedCardPath(id);
  std::string why;
  // A card left by an earlier list is taken as it is, never written over.
  if (!NonEmptyFileExists(files_, card) && !CreateMemoryCard(files_, card, &why))
    return {std::nullopt, "New game " + id +
                              " not added. Its memory card could not be created:\r\n" +
                              card + "\r\n" + why};
  const auto game = GameOfDisc(id);
  std::optional<std::string> title;
  if (game) title = locale_.FromUtf8(GameTitle(*game));
  const std::size_t entry = catalogue_.Add(
      {id, title.value_or(entry::NewGameTitle(int(catalogue_.Count()))), card});
  return {entry, "New game " + id + " added. Its own memory card:\r\n" + card +
                     (game ? "\r\nThe game's other discs will use it too." : "") +
                     "\r\nChange in the game list gives it its title or another card."};
}

}  // namespace slotmate
