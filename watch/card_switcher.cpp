#include <algorithm>
#include <cctype>

#include "app/form_slotmate.h"
#include "catalogue/catalogue_line.h"
#include "registry/set_key_value.h"
#include "watch/key_string.h"

namespace slotmate {
namespace {

constexpr char kEmulatorCaption[] = "Connectix Virtual Game Station";
// Enter, Alt+E, Up, Enter, Enter: makes the running emulator take up the
// card that the registry now names.
constexpr char kEmulatorKeys[] = "~%(E){Up}~~";

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

void formSlotmate::SwitchCard() {
  std::string id = GetID();
  if (id.empty()) return;
  const std::vector<std::string>& rows = lstGames.Items();
  for (RetVal = 0; RetVal < std::int32_t(rows.size()); ++RetVal) {
    std::string_view rowId = std::string_view(rows[RetVal]).substr(0, 10);
    if (EqualIgnoringCase(rowId, id)) {
      lstGames.SetListIndex(RetVal);
      if (!ApplyCard()) {
        const CatalogueEntry entry = ParseCatalogueLine(rows[RetVal]);
        Warn(entry.title + " (" + entry.id + "): no memory card at\r\n" +
             (entry.cardPath.empty() ? "(no path in the game list)" : entry.cardPath) +
             "\r\n\r\nThe emulator keeps the card it had. Select in the game list offers "
             "to create it.");
      }
      return;
    }
  }
  if (AddingNewGames()) AddNewGame(id);
}

bool formSlotmate::ApplyCard() {
  if (lstGames.ListIndex() < 0) return false;
  const std::string card = GetCardPath();
  if (!FileExists(card)) return false;
  // The registry first: the keys below make the emulator read it. Without
  // it they would make the emulator take up the previous game's card.
  if (!SetKeyValue(platform_.registry, platform::kHkeyCurrentUser, kMemoryCardsKey,
                   platform::kRegSz, kBank0Slot0, card)) {
    const std::string text =
        std::string(
            "The emulator's memory card setting could not be written:\r\n"
            "HKEY_CURRENT_USER\\") +
        kMemoryCardsKey + "\r\n" + kBank0Slot0 +
        "\r\n\r\nThe emulator keeps the card it had.";
    // A poll tells without a box: one would stop the watcher while it waits.
    polling_ ? Warn(text) : Inform(text);
    return true;
  }
  if (platform_.desktop.ActivateWindowByCaption(kEmulatorCaption)) {
    static const auto keys = ParseKeyString(kEmulatorKeys);
    if (keys) platform_.desktop.SendKeys(*keys);
    nudgedEmulator_ = true;
  }
  return true;
}

}  // namespace slotmate
