#pragma once

#include <cstdint>
#include <vector>

#include "platform/desktop.h"

namespace slotmate::win32 {

class Win32Desktop : public platform::Desktop {
 public:
  bool ActivateWindowByCaption(const std::string& caption) override;
  bool WindowWithCaptionExists(const std::string& caption) override;
  void SendKeys(const std::vector<platform::KeyEvent>& keys) override;
  void ShellOpen(platform::WindowHandle owner, const std::string& verb,
                 const std::string& file) override;
};

// One keyboard event as SendInput receives it (the KEYBDINPUT fields that
// matter here).
struct KeyInput {
  std::uint16_t virtualKey = 0;
  std::uint16_t scanCode = 0;
  std::uint32_t flags = 0;  // KEYEVENTF_EXTENDEDKEY, KEYEVENTF_KEYUP
  friend bool operator==(const KeyInput&, const KeyInput&) = default;
};

std::vector<KeyInput> KeyInputsFor(const std::vector<platform::KeyEvent>& keys);

}  // namespace slotmate::win32
