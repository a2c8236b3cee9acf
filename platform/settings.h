#pragma once

#include <string>

namespace slotmate::platform {

// The program's own per-user text settings, addressed by application,
// section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or `fallback` when the key is absent or unreadable.
  virtual std::string Read(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& fallback) = 0;
  // Stores the text, creating the section as needed; false on failure.
  virtual bool Write(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& text) = 0;
};

}  // namespace slotmate::platform
