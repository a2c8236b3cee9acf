#pragma once

#include "platform/keyboard.h"

namespace slotmate::win32 {

class Win32Keyboard : public platform::Keyboard {
 public:
  std::int16_t AsyncKeyState(int virtualKey) override;
};

}  // namespace slotmate::win32
