#include "app/form_slotmate.h"

#include "app/main_window_layout.h"
#include "common/product.h"
#include "editor/form_game.h"
#include "watch/game_id.h"

namespace slotmate {

formSlotmate::formSlotmate(platform::Platform& platform)
    : boxes_(*this, platform.dialogs),
      platform_{platform.drives,  platform.media,    platform.keyboard,
                platform.tray,    platform.registry, platform.settings,
                boxes_,           platform.desktop,  platform.files,
                platform.process, platform.toolkit,  platform.locale},
      watcher_(platform.media, platform.keyboard, platform.files),
      switcher_(platform.registry, platform.desktop, platform.files),
      newGames_(catalogue_, platform.files, platform.locale),
      tray_(platform.tray),
      window_(platform.toolkit.NewWindow(layout::MainWindow())),
      window(*window_),
      btnSelect(window.AddButton(layout::BtnSelect())),
      Timer1(window.AddTimer("Timer1", layout::kTimer1IntervalMs, true)),
      btnDel(window.AddButton(layout::BtnDel())),
      btnChange(window.AddButton(layout::BtnChange())),
      lstGames(window.AddListBox(layout::LstGames())),
      btnAdd(window.AddButton(layout::BtnAdd())),
      lblCredits(window.AddLabel(layout::LblCredits())),
      mnuMain(window.AddPopupMenu("mnuMain", layout::MnuMain())) {
  lstGames.ShowRows(catalogueRows_);
  btnSelect.OnClick([this] { btnSelect_Click(); });
  Timer1.OnTimer([this] { Timer1_Timer(); });
  btnDel.OnClick([this] { btnDel_Click(); });
  btnChange.OnClick([this] { btnChange_Click(); });
  lstGames.OnClick([this] { lstGames_Click(); });
  lstGames.OnDblClick([this] { lstGames_DblClick(); });
  btnAdd.OnClick([this] { btnAdd_Click(); });
  lblCredits.OnClick([this] { lblCredits_Click(); });
  mnuMain.OnClick(layout::kMnuShow, [this] { mnuShow_Click(); });
  mnuMain.OnClick(layout::kMnuEnabled, [this] { mnuEnabled_Click(); });
  mnuMain.OnClick(layout::kMnuAddNewGames, [this] { mnuAddNewGames_Click(); });
  mnuMain.OnClick(layout::kMnuAbout, [this] { mnuAbout_Click(); });
  mnuMain.OnClick(layout::kMnuExit, [this] { mnuExit_Click(); });
  window.OnKeyDown([this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); });
  window.OnMouseMove([this](std::uint32_t lParam) { Form_MouseMove(lParam); });
  window.OnCloseRequest([this](platform::UnloadMode mode) { return Unload(mode); });
  window.OnTaskbarCreated([this] { tray_.TaskbarCreated(); });
  window.OnMediaChange(
      [this](std::uint32_t units, bool arrived) { MediaChanged(units, arrived); });
}

formSlotmate::~formSlotmate() = default;

formGame& formSlotmate::GameEditor() {
  if (!game_)
    game_ = std::make_unique<formGame>(platform_, window, catalogue_, [this] {
      return GetID(platform_.files, watcher_.CurrentDrive());
    });
  return *game_;
}

// Counts the box while it is open, however it ends.
template <class Box>
auto formSlotmate::Boxes::Open(Box box) {
  ++open;
  auto answer = [&] {
    try {
      return box();
    } catch (...) {
      --open;
      throw;
    }
  }();
  if (--open == 0) form_.LastBoxClosed();
  return answer;
}

int formSlotmate::Boxes::ShowMessage(platform::WindowHandle owner,
                                     const std::string& text, const std::string& title,
                                     std::uint32_t style) {
  return Open([&] { return system_.ShowMessage(owner, text, title, style); });
}

std::string formSlotmate::Boxes::InputBox(platform::WindowHandle owner,
                                          const std::string& prompt,
                                          const std::string& title,
                                          const std::string& defaultText) {
  return Open([&] { return system_.InputBox(owner, prompt, title, defaultText); });
}

int formSlotmate::Boxes::ShowOpenFileDialog(platform::OpenFileNameRecord& record) {
  return Open([&] { return system_.ShowOpenFileDialog(record); });
}

int formSlotmate::ShowMessage(const std::string& text, std::uint32_t style) {
  return platform_.dialogs.ShowMessage(window.Handle(), text, kAppTitle, style);
}

void formSlotmate::Inform(const std::string& text) {
  ShowMessage(text, platform::kMbOk | platform::kMbIconInformation);
}

bool formSlotmate::AskDefaultNo(const std::string& question) {
  return ShowMessage(question, platform::kMbYesNo | platform::kMbIconQuestion |
                                   platform::kMbDefButton2) == platform::kIdYes;
}

}  // namespace slotmate
