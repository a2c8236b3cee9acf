#include <algorithm>
#include <utility>

#include "app/form_slotmate.h"
#include "app/main_window_layout.h"
#include "common/product.h"
#include "common/skip_on_failure.h"
#include "registry/settings.h"

namespace slotmate {
namespace {

// The tray icon's record: NOTIFYICONDATAA in its first, 88-byte layout.
constexpr std::uint32_t kNotifyIconDataSize = 88;
constexpr std::uint32_t kTrayIconId = 1;
// Tray events reach the window as mouse-move messages whose lParam names the
// mouse message that happened over the icon.
constexpr std::uint32_t kTrayCallbackMessage = 0x200;  // WM_MOUSEMOVE

// The caption and the credit, a NUL, then blanks to the tip's full length.
std::array<char, 64> TrayTip() {
  std::array<char, 64> tip;
  tip.fill(' ');
  const std::string text = std::string(kAppCaption) + " - " + kCredit;
  static_assert(sizeof(kAppCaption) + 3 + sizeof(kCredit) - 1 <= 64);
  std::copy(text.begin(), text.end(), tip.begin());
  tip[text.size()] = '\0';
  return tip;
}

}  // namespace

bool formSlotmate::Form_Load() {
  if (platform_.process.AnotherInstanceRunning()) return false;

  // C to Z, highest letter first; A and B are never CD-ROM drives.
  for (RetVal = 26; RetVal >= 3; --RetVal) {
    CurrentDrive = std::string(1, char(RetVal + 64)) + ":";
    if (platform_.drives.DriveType(CurrentDrive + "\\") == platform::kDriveCdrom)
      CdDrives.push_back(CurrentDrive);
  }
  if (CdDrives.empty()) return false;

  SkipOnFailure([this] { Initialize(); });
  // A disc already in a drive is handled before the window shows.
  SkipOnFailure([this] { Timer1_Timer(); });
  if (ReadBoolSetting(platform_.settings, kSettingMinimized))
    window.Hide();
  else if (nudgedEmulator_)
    // The emulator is still taking its keys: showing the window in front
    // would take the rest of them.
    window.ShowInactive();
  else
    ShowWindow();
  return true;
}

void formSlotmate::Initialize() {
  TrayIcon.cbSize = kNotifyIconDataSize;
  TrayIcon.hWnd = window.Handle();
  TrayIcon.uID = kTrayIconId;
  TrayIcon.uFlags = platform::kNifMessage | platform::kNifIcon | platform::kNifTip;
  TrayIcon.uCallbackMessage = kTrayCallbackMessage;
  TrayIcon.szTip = TrayTip();
  TrayIcon.hIcon = window.Icon();

  TrayHidden = ReadBoolSetting(platform_.settings, kSettingHidden);
  if (!TrayHidden) platform_.tray.NotifyIcon(platform::kNimAdd, TrayIcon);
  mnuMain.SetChecked(layout::kMnuAddNewGames,
                     ReadBoolSetting(platform_.settings, kSettingAddNewGames));
  SkipOnFailure([this] { LoadGames(); });
}

bool formSlotmate::FileExists(const std::string& path) {
  const auto length = platform_.files.Length(path).bytes;
  return length && *length > 0;
}

void formSlotmate::ShowWindow() {
  window.Show();
  if (!shownOnce_) {
    shownOnce_ = true;
    btnAdd.SetFocus();
  }
  if (untold_.empty()) return;
  std::string text;
  for (const std::string& failure : std::exchange(untold_, {}))
    text += (text.empty() ? "" : "\r\n\r\n") + failure;
  Inform(text);
}

}  // namespace slotmate
