// Placeholder so the program links while the editor is being written.
#include "editor/form_game.h"

#include "app/form_slotmate.h"

namespace slotmate {

formGame::formGame(platform::Platform& platform, formSlotmate& main)
    : platform_(platform),
      main_(main),
      window_(platform.toolkit.NewWindow({.name = "formGame", .caption = "Game"})),
      window(*window_),
      btnGet(window.AddButton({})),
      btnCancel(window.AddButton({})),
      btnSave(window.AddButton({})),
      txtCode(window.AddTextBox({})),
      btnBrowse(window.AddButton({})),
      txtPath(window.AddTextBox({})),
      txtTitle(window.AddTextBox({})),
      Image1(window.AddPicture({})),
      lblCode(window.AddLabel({})),
      lblMemory(window.AddLabel({})),
      lblTitle(window.AddLabel({})) {}

formGame::~formGame() = default;
void formGame::ShowModal() { window.ShowModal(main_.window); }
bool formGame::CreateMemoryCard(const std::string&) { return false; }

}  // namespace slotmate
