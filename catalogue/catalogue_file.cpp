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

// Only a games.txt that is not there means that there is no list. Until the
// list is read whole, it is never saved: a save would lose the games that
// were not read.
void formSlotmate::LoadGames() {
  const std::string path = CatalogueFilePath();
  catalogueIncomplete_ = true;
  lstGames.Clear();
  const auto size = platform_.files.Length(path);
  // A missing or empty file leaves the list empty and without a tooltip.
  if (!size.failure && size.bytes.value_or(0) == 0) {
    catalogueIncomplete_ = false;
    return;
  }
  auto text = size.failure
                  ? platform::Files::Contents{"", size.failure}
                  : platform_.files.Read(path, std::numeric_limits<std::size_t>::max());
  if (text.failure) {
    // The rows read so far stay, the row cut off by the failure aside (a row
    // ends at a CR; an LF alone belongs to its row).
    const auto lastEnd = text.bytes.rfind('\r');
    text.bytes.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
  }
  lstGames.AddItems(SplitCatalogueText(text.bytes));
  SetListToolTip();
  catalogueIncomplete_ = text.failure.has_value();
  // Told only now: a box lets ticks through, and their polls need the rows.
  if (text.failure)
    Inform("The game list could not be read whole from\r\n" + path + "\r\n\r\n" +
           *text.failure +
           "\r\n\r\nSlotmate shows the games it could read, and will not save the list "
           "until it is started again.");
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
