#include "app/form_slotmate.h"

namespace slotmate {
namespace {

constexpr int kVkDelete = 46;
constexpr int kVkF = 70;
constexpr int kVkF3 = 114;

}  // namespace

// The window sees every key before its controls do and lets them have it
// too. The modifiers are not looked at: Ctrl+F searches like F.
void formSlotmate::Form_KeyDown(int KeyCode, int /*Shift*/) {
  switch (KeyCode) {
    case kVkDelete:
      btnDel_Click();
      break;
    case kVkF:
      FindGame();
      break;
    case kVkF3:
      FindNext();
      break;
    default:
      break;
  }
}

void formSlotmate::FindGame() {
  const std::string text =
      platform_.dialogs.InputBox(window.Handle(), "Text to search:", "Find", FindText);
  if (text.empty()) return;
  lstGames.SetListIndex(-1);
  FindText = text;
  FindNext();
}

// Searches the rows after the selected one; the search does not wrap, but a
// failed search clears the selection, so the next one starts at the top.
void formSlotmate::FindNext() {
  if (FindText.empty()) {
    FindGame();
    return;
  }
  const std::string wanted = platform_.locale.UpperCase(FindText);
  for (int i = lstGames.ListIndex() + 1; i < int(catalogue_.Count()); ++i) {
    if (platform_.locale.UpperCase(catalogue_.Line(std::size_t(i))).find(wanted) !=
        std::string::npos) {
      lstGames.SetListIndex(i);
      return;
    }
  }
  // A disc's row, selected when the message has gone, stays selected.
  const int searchedFrom = lstGames.ListIndex();
  Inform("'" + FindText + "' not found.");
  if (lstGames.ListIndex() == searchedFrom) lstGames.SetListIndex(-1);
}

}  // namespace slotmate
