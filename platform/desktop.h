#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace slotmate::platform {

// Virtual-key codes the program synthesises.
inline constexpr std::uint16_t kVkReturn = 0x0D;
inline constexpr std::uint16_t kVkMenu = 0x12;  // Alt
inline constexpr std::uint16_t kVkUp = 0x26;

struct KeyEvent {
  std::uint16_t virtualKey = 0;
  bool down = true;
  friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

// Other programs' windows, synthesised keys and the shell.
class Desktop {
 public:
  virtual ~Desktop() = default;
  // Brings to the front a top-level window whose caption equals `caption`,
  // or else one whose caption begins with it; false when there is none or
  // it could not be activated.
  virtual bool ActivateWindowByCaption(const std::string& caption) = 0;
  // Whether such a window is open, without bringing it to the front.
  virtual bool WindowWithCaptionExists(const std::string& caption) = 0;
  // Queues the key events for the window with the keyboard focus and
  // returns without waiting for them to be processed.
  virtual void SendKeys(const std::vector<KeyEvent>& keys) = 0;
  // ShellExecuteA(owner, verb, file, "", "", SW_SHOWNORMAL).
  virtual void ShellOpen(WindowHandle owner, const std::string& verb,
                         const std::string& file) = 0;
};

}  // namespace slotmate::platform
