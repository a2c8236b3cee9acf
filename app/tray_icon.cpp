#include "app/tray_icon.h"

#include <algorithm>
#include <array>
#include <utility>

#include "common/product.h"
#include "common/skip_on_failure.h"

namespace slotmate {
namespace {

// The tray icon's record: NOTIFYICONDATAA in its first, 88-byte layout.
constexpr std::uint32_t kNotifyIconDataSize = 88;
constexpr std::uint32_t kTrayIconId = 1;
// Tray events reach the window as mouse-move messages whose lParam names the
// mouse message that happened over the icon.
constexpr std::uint32_t kTrayCallbackMessage = 0x200;  // WM_MOUSEMOVE
constexpr std::size_t kUntoldKept = 5;

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

void TrayIcon::Create(platform::WindowHandle window, platform::IconHandle icon,
                      bool hidden) {
  record_.cbSize = kNotifyIconDataSize;
  record_.hWnd = window;
  record_.uID = kTrayIconId;
  record_.uFlags = platform::kNifMessage | platform::kNifIcon | platform::kNifTip;
  record_.uCallbackMessage = kTrayCallbackMessage;
  record_.szTip = TrayTip();
  record_.hIcon = icon;
  if (!hidden) Show();
}

void TrayIcon::Show() {
  hidden_ = false;
  tray_.NotifyIcon(platform::kNimAdd, record_);
}

void TrayIcon::Remove() {
  SkipOnFailure([this] { tray_.NotifyIcon(platform::kNimDelete, record_); });
}

void TrayIcon::TaskbarCreated() {
  if (!hidden_) tray_.NotifyIcon(platform::kNimAdd, record_);
}

void TrayIcon::Announce(const std::string& text) {
  tray_.ShowBalloon(record_, kAppTitle, text);
}

void TrayIcon::Warn(const std::string& text) {
  if (hidden_) Show();
  if (tray_.ShowBalloon(record_, kAppTitle, text)) return;
  if (std::find(untold_.begin(), untold_.end(), text) != untold_.end()) return;
  if (untold_.size() == kUntoldKept) untold_.pop_front();
  untold_.push_back(text);
}

std::string TrayIcon::TakeUntold() {
  std::string text;
  for (const std::string& failure : std::exchange(untold_, {}))
    text += (text.empty() ? "" : "\r\n\r\n") + failure;
  return text;
}

}  // namespace slotmate
