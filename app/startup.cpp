#include <utility>

#include "app/form_slotmate.h"
#include "app/main_window_layout.h"
#include "common/skip_on_failure.h"
#include "registry/settings.h"

namespace slotmate {

bool formSlotmate::Form_Load() {
  if (platform_.process.AnotherInstanceRunning()) return false;
  if (!watcher_.FindCdDrives(platform_.drives)) return false;

  SkipOnFailure([this] { Initialize(); });
  // A disc already in a drive is handled before the window shows.
  SkipOnFailure([this] { Timer1_Timer(); });
  if (ReadBoolSetting(platform_.settings, kSettingMinimized))
    window.Hide();
  else if (switcher_.NudgedEmulator())
    // The emulator is still taking its keys: showing the window in front
    // would take the rest of them.
    window.ShowInactive();
  else
    ShowWindow();
  return true;
}

void formSlotmate::Initialize() {
  tray_.Create(window.Handle(), window.Icon(),
               ReadBoolSetting(platform_.settings, kSettingHidden));
  mnuMain.SetChecked(layout::kMnuAddNewGames,
                     ReadBoolSetting(platform_.settings, kSettingAddNewGames));
  SkipOnFailure([this] { LoadGames(); });
}

void formSlotmate::ShowWindow() {
  window.Show();
  if (!shownOnce_) {
    shownOnce_ = true;
    btnAdd.SetFocus();
  }
  const std::string untold = tray_.TakeUntold();
  if (!untold.empty()) Inform(untold);
}

}  // namespace slotmate
