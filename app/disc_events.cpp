#include <utility>

#include "app/form_slotmate.h"
#include "common/flag_guard.h"
#include "common/skip_on_failure.h"
#include "registry/set_key_value.h"
#include "watch/game_id.h"

namespace slotmate {
namespace {

std::string NotWritten() {
  return std::string(
             "The emulator's memory card setting could not be written:\r\n"
             "HKEY_CURRENT_USER\\") +
         kMemoryCardsKey + "\r\n" + kBank0Slot0 +
         "\r\n\r\nThe emulator keeps the card it had.";
}

}  // namespace

// One poll of the drives at each tick. While a box of the program is open the
// drives are still asked, so that a drive seen empty meanwhile is remembered,
// but nothing is switched or added: what the box's caller acts on must stay
// as the player saw it. One poll acts when the last box closes. Once the
// program is quitting, none runs.
void formSlotmate::Timer1_Timer() {
  if (quitting_ || polling_) return;
  FlagGuard polling(polling_);
  if (ShiftHeld(platform_.keyboard) && tray_.Hidden()) tray_.Show();
  pollDue_ = boxes_.open > 0;
  const auto poll = watcher_.PollDrives(
      pollDue_ ? std::nullopt : std::optional(std::exchange(arrivedUnits_, {})));
  // Then no drive can ever be asked. Told once: cards switch only by Select.
  if (poll.noMediaControl && !std::exchange(toldNoMediaControl_, true))
    tray_.Warn(kNoMediaControl);
  // A failure inside the switch still leaves the disc handled.
  if (poll.newDisc)
    SkipOnFailure([&] { SwitchCard(GetID(platform_.files, *poll.newDisc)); });
}

void formSlotmate::LastBoxClosed() {
  if (pollDue_ && Timer1.Enabled()) SkipOnFailure([this] { Timer1_Timer(); });
}

// The system announced a disc arriving or leaving: a drive of ours is polled
// at once instead of at the next tick (which still comes, for drives that
// announce nothing), or when the last box closes.
void formSlotmate::MediaChanged(std::uint32_t unitMask, bool arrived) {
  if (!Timer1.Enabled()) return;
  const std::uint32_t ours = watcher_.OurUnits(unitMask);
  if (ours == 0) return;
  if (arrived && boxes_.open > 0) arrivedUnits_ |= ours;
  Timer1_Timer();
}

void formSlotmate::SwitchCard(const std::string& id) {
  const auto switched = switcher_.SwitchCard(
      catalogue_, id, [this](std::size_t entry) { lstGames.SetListIndex(int(entry)); });
  if (switched)
    TellSwitch(switched->applied, switched->entry);
  else if (!id.empty() && AddingNewGames())
    AddNewGame(id);
}

// What a poll tells goes by balloon: a box would take the focus from the game
// that is starting, and hold up the watcher while it waits.
void formSlotmate::TellSwitch(CardSwitcher::Applied applied, std::size_t entry) {
  if (applied == CardSwitcher::Applied::kNotWritten) tray_.Warn(NotWritten());
  if (applied != CardSwitcher::Applied::kNoCard) return;
  const CatalogueEntry game = catalogue_.Entry(entry);
  tray_.Warn(game.title + " (" + game.id + "): no memory card at\r\n" +
             (game.cardPath.empty() ? "(no path in the game list)" : game.cardPath) +
             "\r\n\r\nThe emulator keeps the card it had. Select in the game list "
             "offers to create it.");
}

// The player hears of the game added by a balloon, which takes no focus; of
// one that could not be added as of a failure.
void formSlotmate::AddNewGame(const std::string& id) {
  const auto added = newGames_.AddNewGame(id);
  if (!added.entry) {
    if (!added.news.empty()) tray_.Warn(added.news);
    return;
  }
  lstGames.RowAdded();
  SetListToolTip();
  lstGames.SetListIndex(int(*added.entry));
  TellSwitch(switcher_.ApplyCard(catalogue_.GetCardPath(*added.entry), id), *added.entry);
  tray_.Announce(added.news);
}

// Select applies the card by hand: the player is at the window, so a
// failure is told in a box.
bool formSlotmate::ApplySelectedCard() {
  const int selected = lstGames.ListIndex();
  if (selected < 0) return false;
  const CatalogueEntry game = catalogue_.Entry(std::size_t(selected));
  const auto applied = switcher_.ApplyCard(game.cardPath, game.id);
  if (applied == CardSwitcher::Applied::kNotWritten) Inform(NotWritten());
  return applied != CardSwitcher::Applied::kNoCard;
}

}  // namespace slotmate
