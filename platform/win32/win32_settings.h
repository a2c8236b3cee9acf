#pragma once

#include "platform/settings.h"

namespace slotmate::win32 {

// Per-user text settings: one REG_SZ value per key, in the key
// HKEY_CURRENT_USER\Software\<application>\<section>.
class Win32SettingsStore : public platform::SettingsStore {
 public:
  std::string Read(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& fallback) override;
  bool Write(const std::string& application, const std::string& section,
             const std::string& key, const std::string& text) override;
};

}  // namespace slotmate::win32
