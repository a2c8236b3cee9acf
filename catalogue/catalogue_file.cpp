#include <limits>

#include "app/form_slotmate.h"
#include "catalogue/catalogue_line.h"

namespace slotmate {

std::string formSlotmate::CatalogueFilePath() {
  std::string folder = platform_.process.ProgramFolder();
  if (!folder.ends_with('\\')) folder += '\\';
  return folder + "games.txt";
}

void formSlotmate::SetListToolTip() {
  lstGames.SetToolTip(std::to_string(lstGames.Count()) + " games listed");
}

void formSlotmate::LoadGames() {
  const std::string path = CatalogueFilePath();
  lstGames.Clear();
  // A missing or empty file leaves the list empty and without a tooltip.
  if (!FileExists(path)) return;
  auto text = platform_.files.Read(path, std::numeric_limits<std::size_t>::max());
  if (text.failure) {
    // The rows read so far stay, the row cut off by the failure aside (a row
    // ends at a CR; an LF alone belongs to its row).
    const auto lastEnd = text.bytes.rfind('\r');
    text.bytes.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    catalogueIncomplete_ = true;
    Inform("The game list could not be read whole from\r\n" + path + "\r\n\r\n" +
           *text.failure +
           "\r\n\r\nSlotmate shows the games it could read, and will not save the list "
           "until it is started again.");
  }
  lstGames.AddItems(SplitCatalogueText(text.bytes));
  SetListToolTip();
}

// Writes games.txt when the rows changed. The file is replaced in one step,
// so a failed save never leaves it truncated; the rows then stay marked as
// changed, the next close request tries again, and the user is told. A list
// that was not read whole is never saved: the games it missed would be lost.
void formSlotmate::SaveGames() {
  if (!DataChanged) return;
  const std::string path = CatalogueFilePath();
  auto failure =
      catalogueIncomplete_
          ? std::optional<std::string>(
                "It could not be read whole when Slotmate started, and saving now "
                "would lose the games that were not read.")
          : platform_.files.ReplaceWhole(path, JoinCatalogueText(lstGames.Items()));
  if (failure) {
    Inform("The game list could not be saved to\r\n" + path + "\r\n\r\n" + *failure);
    return;
  }
  DataChanged = false;
}

std::string formSlotmate::GetCardPath() {
  int selected = lstGames.ListIndex();
  if (selected < 0) return "";
  return ParseCatalogueLine(lstGames.Item(selected)).cardPath;
}

}  // namespace slotmate
