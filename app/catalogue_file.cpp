#include "app/form_slotmate.h"

namespace slotmate {

std::string formSlotmate::CatalogueFilePath() {
  std::string folder = platform_.process.ProgramFolder();
  if (!folder.ends_with('\\')) folder += '\\';
  return folder + "games.txt";
}

void formSlotmate::SetListToolTip() {
  lstGames.SetToolTip(std::to_string(catalogue_.Count()) + " games listed");
}

// A missing or empty games.txt leaves the list empty and without a tooltip.
void formSlotmate::LoadGames() {
  const std::string path = CatalogueFilePath();
  const auto failure = catalogue_.LoadGames(platform_.files, path);
  lstGames.ShowRows(catalogueRows_);
  if (catalogue_.Count() > 0 || failure) SetListToolTip();
  // Told only now: a box lets ticks through, and their polls need the rows.
  if (failure)
    Inform("The game list could not be read whole from\r\n" + path + "\r\n\r\n" +
           *failure +
           "\r\n\r\nSlotmate shows the games it could read, and will not save the list "
           "until it is started again.");
}

// A failed save leaves the games marked as changed: the next close request
// tries again, and the player is told.
void formSlotmate::SaveGames() {
  const std::string path = CatalogueFilePath();
  if (auto failure = catalogue_.SaveGames(platform_.files, path))
    Inform("The game list could not be saved to\r\n" + path + "\r\n\r\n" + *failure);
}

}  // namespace slotmate
