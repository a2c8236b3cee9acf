#include "platform/win32/win32_keyboard.h"

#include <windows.h>

namespace slotmate::win32 {

std::int16_t Win32Keyboard::AsyncKeyState(int virtualKey) {
  return GetAsyncKeyState(virtualKey);
}

}  // namespace slotmate::win32
