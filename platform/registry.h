#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace slotmate::platform {

// The system's predefined key, a LONG's value widened with its sign: a
// 64-bit build that zero-extends it names no key on Windows.
inline constexpr RegistryKey kHkeyCurrentUser =
    static_cast<RegistryKey>(static_cast<std::intptr_t>(std::int32_t(0x80000001u)));
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr long kErrorSuccess = 0;

// The four advapi32 calls the emulator's setting is written with; each
// returns the system's status code (0 = success).
class Registry {
 public:
  virtual ~Registry() = default;
  virtual long OpenKeyEx(RegistryKey root, const std::string& subKey,
                         std::uint32_t access, RegistryKey* opened) = 0;
  virtual long CreateKey(RegistryKey root, const std::string& subKey,
                         RegistryKey* created) = 0;
  virtual long SetValueEx(RegistryKey key, const std::string& valueName,
                          std::uint32_t type, std::string_view data) = 0;
  virtual long CloseKey(RegistryKey key) = 0;
};

}  // namespace slotmate::platform
