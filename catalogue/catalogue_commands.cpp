#include "app/form_slotmate.h"
#include "catalogue/catalogue_line.h"
#include "common/skip_on_failure.h"
#include "editor/entry_rules.h"
#include "editor/form_game.h"

namespace slotmate {

void formSlotmate::btnAdd_Click() {
  formGame& editor = GameEditor();
  editor.InsertPos = -1;
  editor.ShowModal();
  SetListToolTip();
}

void formSlotmate::btnChange_Click() {
  formGame& editor = GameEditor();
  editor.InsertPos = lstGames.ListIndex();
  if (editor.InsertPos >= 0) {
    SkipOnFailure([&] {
      const CatalogueEntry entry = ParseCatalogueLine(lstGames.Item(editor.InsertPos));
      editor.txtCode.SetText(entry.id);
      // A line without its fields leaves the (empty) boxes as they are.
      if (!entry.cardPath.empty() || !entry.title.empty()) {
        editor.txtPath.SetText(entry.cardPath);
        editor.txtTitle.SetText(entry.title);
      }
    });
  }
  editor.ShowModal();
}

// The row is taken before the question: a disc put in meanwhile is switched
// when the question has gone, and selects its own row. Yes removes the row
// the player chose, and only while it is still there.
void formSlotmate::btnDel_Click() {
  const int chosen = lstGames.ListIndex();
  std::string row;
  SkipOnFailure([&] { row = lstGames.Item(chosen); });
  if (!AskDefaultNo("Remove this game from the list?")) return;
  DataChanged = true;
  // Only the row chosen, while it is still there (no row: the removal fails).
  SkipOnFailure([&] {
    if (lstGames.Item(chosen) == row) lstGames.RemoveItem(chosen);
  });
  SetListToolTip();
}

// Applies the selected game's card, offering to create it when it is
// missing. A card that cannot be created is reported, and nothing is applied;
// so is one that cannot be examined, which may hold saves. The card made is
// the one asked about; the one applied then is the selected game's, which is
// the disc's if one was put in while the question was open.
void formSlotmate::btnSelect_Click() {
  if (ApplyCard()) return;
  const std::string card = GetCardPath();
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
  if (!GameEditor().CreateMemoryCard(card)) {
    Inform("The memory card could not be created:\r\n" + card);
    return;
  }
  ApplyCard();
}

// Change and Remove follow whether the list has rows, not the selection.
void formSlotmate::lstGames_Click() {
  const bool hasRows = lstGames.Count() > 0;
  btnChange.SetEnabled(hasRows);
  btnDel.SetEnabled(hasRows);
}

void formSlotmate::lstGames_DblClick() { btnChange_Click(); }

}  // namespace slotmate
