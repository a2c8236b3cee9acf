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
  if (!text) return;
  lstGames.AddItems(SplitCatalogueText(*text));
  SetListToolTip();
}

// Writes games.txt when the rows changed. The file is replaced in one step,
// so a failed save never leaves it truncated; the rows then stay marked as
// changed, the next close request tries again, and the user is told.
void formSlotmate::SaveGames() {
  if (!DataChanged) return;
  const std::string path = CatalogueFilePath();
  if (auto failure =
          platform_.files.ReplaceWhole(path, JoinCatalogueText(lstGames.Items()))) {
    ShowMessage("The game list could not be saved to\r\n" + path + "\r\n\r\n" + *failure,
                platform::kMbOk | platform::kMbIconInformation);
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
