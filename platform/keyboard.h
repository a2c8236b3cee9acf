#pragma once

#include <cstdint>

namespace slotmate::platform {

inline constexpr int kVkShift = 0x10;

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  // GetAsyncKeyState: bit 15 set while the key is down now.
  virtual std::int16_t AsyncKeyState(int virtualKey) = 0;
};

}  // namespace slotmate::platform
