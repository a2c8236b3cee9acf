#include <utility>

#include "app/form_slotmate.h"
#include "catalogue/catalogue_line.h"
#include "common/product.h"
#include "editor/entry_rules.h"
#include "editor/form_game.h"

namespace slotmate {

// The row is built as Get it! and Save build one, but the card is named after
// the disc's ID: one card per disc, still right when the game is renamed. The
// player is told by a balloon: a message box would take the focus from the
// game that is starting.
void formSlotmate::AddNewGame(const std::string& id) {
  // Only an ID the editor accepts: its row must pass Save when it is changed,
  // and a short one would match no row and add another at every insertion.
  if (!entry::HasRegionCode(id) || !entry::HasIdFormat(id)) return;
  // The game's row may be in the part of the list not read: a row of its own
  // would point its slot at a blank card, and its saves would seem lost at
  // the next start, when the real row wins again.
  if (catalogueIncomplete_) {
    if (!std::exchange(toldNoNewGames_, true))
      Warn(id +
           " is not in the game list, but new games are not added in this run: the list "
           "could not be read whole, and the game may be in the part not read.");
    return;
  }
  const std::string card = entry::ProposedCardPath(id);
  std::string why;
  // A card left by an earlier list is taken as it is, never written over.
  if (!FileExists(card) && !GameEditor().CreateMemoryCard(card, &why)) {
    Warn("New game " + id + " not added. Its memory card could not be created:\r\n" +
         card + "\r\n" + why);
    return;
  }
  lstGames.AddItem(MakeCatalogueLine(id, entry::NewGameTitle(lstGames.Count()), card));
  DataChanged = true;
  SetListToolTip();
  lstGames.SetListIndex(lstGames.Count() - 1);
  ApplyCard();
  // Nothing failed: with the icon hidden, no balloon.
  platform_.tray.ShowBalloon(TrayIcon, kAppTitle,
                             "New game " + id + " added. Its own memory card:\r\n" +
                                 card +
                                 "\r\nChange in the game list gives it its title or "
                                 "another card.");
}

}  // namespace slotmate
