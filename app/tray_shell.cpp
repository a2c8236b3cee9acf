#include "app/form_slotmate.h"
#include "app/main_window_layout.h"
#include "common/flag_guard.h"
#include "common/product.h"
#include "common/skip_on_failure.h"
#include "registry/settings.h"

namespace slotmate {
namespace {

// The mouse messages that act when they happen over the tray icon.
constexpr std::uint32_t kLeftButtonDoubleClick = 515;  // WM_LBUTTONDBLCLK
constexpr std::uint32_t kRightButtonUp = 517;          // WM_RBUTTONUP

}  // namespace

// A tray notification. While one is being handled (its menu or an About box
// opened from the menu is still open) every other is ignored.
void formSlotmate::Form_MouseMove(std::uint32_t notification) {
  if (inTrayEvent_) return;
  FlagGuard handling(inTrayEvent_);
  SkipOnFailure([&] {
    if (notification == kLeftButtonDoubleClick)
      ShowWindow();
    else if (notification == kRightButtonUp)
      mnuMain.Popup();
  });
}

void formSlotmate::mnuShow_Click() { ShowWindow(); }

void formSlotmate::mnuEnabled_Click() {
  const bool enabled = !mnuMain.Checked(layout::kMnuEnabled);
  mnuMain.SetChecked(layout::kMnuEnabled, enabled);
  Timer1.SetEnabled(enabled);
}

// Kept between runs; a setting that cannot be stored leaves the item as
// chosen for this run.
void formSlotmate::mnuAddNewGames_Click() {
  const bool adding = !mnuMain.Checked(layout::kMnuAddNewGames);
  mnuMain.SetChecked(layout::kMnuAddNewGames, adding);
  SkipOnFailure(
      [&] { WriteBoolSetting(platform_.settings, kSettingAddNewGames, adding); });
}

bool formSlotmate::AddingNewGames() const {
  return mnuMain.Checked(layout::kMnuAddNewGames);
}

void formSlotmate::mnuAbout_Click() { lblCredits_Click(); }

void formSlotmate::lblCredits_Click() {
  SkipOnFailure([this] {
    platform_.dialogs.ShowMessage(window.Handle(),
                                  std::string(kCredit) + "\r\n" + kHomePage, kAppCaption,
                                  platform::kMbOk | platform::kMbIconInformation);
  });
  SkipOnFailure(
      [this] { platform_.desktop.ShellOpen(window.Handle(), "Open", kHomePage); });
}

void formSlotmate::mnuExit_Click() { Unload(platform::UnloadMode::kProgram); }

void formSlotmate::Form_QueryUnload(bool& Cancel, platform::UnloadMode UnloadMode) {
  SkipOnFailure([this] { SaveGames(); });
  if (UnloadMode == platform::UnloadMode::kUser) {
    // The close box only hides the window; the program lives on in the tray.
    Cancel = true;
    window.Hide();
  } else if (UnloadMode == platform::UnloadMode::kProgram && catalogue_.Changed()) {
    // The save failed and the user was told. Ending anyway is theirs to choose;
    // staying keeps the rows for another try.
    Cancel = !AskDefaultNo("Do you want to end Slotmate without saving the game list?");
  }
}

void formSlotmate::Form_Unload() {
  tray_.Remove();
  SkipOnFailure([this] {
    WriteBoolSetting(platform_.settings, kSettingMinimized, !window.Visible());
  });
}

bool formSlotmate::Unload(platform::UnloadMode mode) {
  bool cancel = false;
  Form_QueryUnload(cancel, mode);
  if (cancel) return false;
  Form_Unload();
  quitting_ = true;
  platform_.toolkit.Quit();
  return true;
}

}  // namespace slotmate
