#pragma once

#include <deque>
#include <string>

#include "platform/tray.h"
#include "platform/types.h"

namespace slotmate {

// The program's icon in the notification area: its record, whether the
// player keeps it hidden, its balloons, and the failures that no balloon
// could tell, kept until the player opens the window.
class TrayIcon {
 public:
  explicit TrayIcon(platform::Tray& tray) : tray_(tray) {}

  // Fills the record for `window`'s notifications and adds the icon, unless
  // the player keeps it `hidden`.
  void Create(platform::WindowHandle window, platform::IconHandle icon, bool hidden);
  bool Hidden() const { return hidden_; }
  // Adds the icon the player kept hidden, for the rest of the run.
  void Show();
  // Removes the icon (also when it was never added: that failure means nothing).
  void Remove();
  // Explorer restarted: the icons went with the old taskbar.
  void TaskbarCreated();

  // News in a balloon, which takes no focus; with the icon hidden, none.
  void Announce(const std::string& text);
  // A failure, which must not go unheard: the hidden icon comes back, and
  // what the balloon cannot tell now (no tray, quiet hours, a full-screen
  // game) is kept for the window, each failure once, the latest few.
  void Warn(const std::string& text);
  // The failures kept, as one text (empty when none); they are then told.
  std::string TakeUntold();

 private:
  platform::Tray& tray_;
  platform::NotifyIconData record_;
  bool hidden_ = true;
  std::deque<std::string> untold_;
};

}  // namespace slotmate
