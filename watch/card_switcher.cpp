#include "watch/card_switcher.h"

#include "catalogue/disc_sets.h"
#include "common/text.h"
#include "registry/set_key_value.h"
#include "watch/key_string.h"

namespace slotmate {
namespace {

constexpr char kEmulatorCaption[] = "Connectix Virtual Game Station";
// Enter, Alt+E, Up, Enter, Enter: makes the running emulator take up the
// card that the registry now names.
constexpr char kEmulatorKeys[] = "~%(E){Up}~~";

}  // namespace

CardSwitcher::Applied CardSwitcher::ApplyCard(const std::string& card,
                                              std::string_view id) {
  if (!NonEmptyFileExists(files_, card)) return Applied::kNoCard;
  // The registry first: the keys below make the emulator read it. Without
  // it they would make the emulator take up the previous game's card.
  if (!SetKeyValue(registry_, platform::kHkeyCurrentUser, kMemoryCardsKey,
                   platform::kRegSz, kBank0Slot0, card))
    return Applied::kNotWritten;
  lastDisc_ = id;
  lastCard_ = card;
  if (desktop_.ActivateWindowByCaption(kEmulatorCaption)) {
    static const auto keys = ParseKeyString(kEmulatorKeys);
    if (keys) desktop_.SendKeys(*keys);
    nudgedEmulator_ = true;
  }
  return Applied::kSwitched;
}

std::optional<CardSwitcher::Switch> CardSwitcher::SwitchCard(
    const Catalogue& catalogue, std::string_view id,
    const std::function<void(std::size_t)>& showSelected) {
  const auto entry = catalogue.Find(id);
  if (!entry) return std::nullopt;
  showSelected(*entry);
  const std::string card = catalogue.GetCardPath(*entry);
  if (!EqualIgnoringCase(id, lastDisc_) && SameGame(id, lastDisc_) &&
      EqualIgnoringCase(card, lastCard_) &&
      desktop_.WindowWithCaptionExists(kEmulatorCaption)) {
    lastDisc_ = id;
    return Switch{*entry, Applied::kSameGame};
  }
  return Switch{*entry, ApplyCard(card, id)};
}

}  // namespace slotmate
