#pragma once

#include "platform/registry.h"

namespace slotmate::win32 {

// RegistryKey carries an HKEY's raw value, predefined roots included.
class Win32Registry : public platform::Registry {
 public:
  long OpenKeyEx(platform::RegistryKey root, const std::string& subKey,
                 std::uint32_t access, platform::RegistryKey* opened) override;
  long CreateKey(platform::RegistryKey root, const std::string& subKey,
                 platform::RegistryKey* created) override;
  long SetValueEx(platform::RegistryKey key, const std::string& valueName,
                  std::uint32_t type, std::string_view data) override;
  long CloseKey(platform::RegistryKey key) override;
};

}  // namespace slotmate::win32
