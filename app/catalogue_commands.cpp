#include "app/form_slotmate.h"
#include "common/skip_on_failure.h"
#include "editor/entry_rules.h"
#include "editor/form_game.h"
#include "editor/memory_card.h"

namespace slotmate {

void formSlotmate::btnAdd_Click() {
  if (const auto entry = GameEditor().Edit({})) AddEntry(*entry);
}

void formSlotmate::AddEntry(const CatalogueEntry& entry) {
  catalogue_.Add(entry);
  lstGames.RowAdded();
  SetListToolTip();
}

// Save keeps to the row chosen, though a poll may move the selection while
// the editor is open; with no row chosen, it adds one.
void formSlotmate::btnChange_Click() {
  const int chosen = lstGames.ListIndex();
  CatalogueEntry entry;
  if (chosen >= 0) SkipOnFailure([&] { entry = catalogue_.Entry(std::size_t(chosen)); });
  const auto saved = GameEditor().Edit(entry);
  if (!saved) return;
  if (chosen < 0) return AddEntry(*saved);
  catalogue_.Replace(std::size_t(chosen), *saved);
  lstGames.RowChanged(chosen);
}

// The row is taken before the question: a disc put in meanwhile is switched
// when the question has gone, and selects its own row. Yes removes the row
// the player chose, and only while it is still there.
void formSlotmate::btnDel_Click() {
  const int chosen = lstGames.ListIndex();
  std::string row;
  SkipOnFailure([&] { row = catalogue_.Line(std::size_t(chosen)); });
  if (!AskDefaultNo("Remove this game from the list?")) return;
  // Only the row chosen, while it is still there (no row: the removal fails).
  SkipOnFailure([&] {
    if (catalogue_.Line(std::size_t(chosen)) != row) return;
    catalogue_.Remove(std::size_t(chosen));
    lstGames.RowRemoved(chosen);
  });
  SetListToolTip();
}

// Applies the selected game's card, offering to create it when it is
// missing. A card that cannot be created is reported, and nothing is applied;
// so is one that cannot be examined, which may hold saves. The card made is
// the one asked about; the one applied then is the selected game's, which is
// the disc's if one was put in while the question was open.
void formSlotmate::btnSelect_Click() {
  if (ApplySelectedCard()) return;
  const int selected = lstGames.ListIndex();
  const std::string card =
      selected < 0 ? "" : catalogue_.GetCardPath(std::size_t(selected));
  if (auto failure = platform_.files.Length(card).failure) {
    Inform(entry::CardNotExamined(card, *failure));
    return;
  }
  if (ShowMessage("Do you want to create this memory card?",
                  platform::kMbYesNo | platform::kMbIconQuestion) != platform::kIdYes)
    return;
  if (card.empty()) {
    Inform(
        "There is no memory card to create: select a game that has a memory card path.");
    return;
  }
  if (!CreateMemoryCard(platform_.files, card)) {
    Inform("The memory card could not be created:\r\n" + card);
    return;
  }
  ApplySelectedCard();
}

// Change and Remove follow whether the list has rows, not the selection.
void formSlotmate::lstGames_Click() {
  const bool hasRows = catalogue_.Count() > 0;
  btnChange.SetEnabled(hasRows);
  btnDel.SetEnabled(hasRows);
}

void formSlotmate::lstGames_DblClick() { btnChange_Click(); }

}  // namespace slotmate
