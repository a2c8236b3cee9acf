#include "platform/win32/win32_settings.h"

#include <windows.h>

#include <vector>

#include "platform/win32/unique_handle.h"

namespace slotmate::win32 {
namespace {

using RegistryKeyHandle = UniqueHandle<HKEY, &RegCloseKey>;

std::string SectionPath(const std::string& application, const std::string& section) {
  return "Software\\" + application + "\\" + section;
}

}  // namespace

std::string Win32SettingsStore::Read(const std::string& application,
                                     const std::string& section, const std::string& key,
                                     const std::string& fallback) {
  RegistryKeyHandle opened;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0,
                    KEY_QUERY_VALUE, opened.put()) != ERROR_SUCCESS) {
    return fallback;
  }
  // The value may grow between asking its size and reading it; ask again then.
  std::vector<char> data(256);
  for (;;) {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    const LONG status = RegQueryValueExA(opened.get(), key.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_MORE_DATA) {
      data.resize(size + 1);
      continue;
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return fallback;
    }
    // The stored bytes need not end in a zero; stop at the first one if they do.
    const std::string text(data.data(), size);
    return text.substr(0, text.find('\0'));
  }
}

bool Win32SettingsStore::Write(const std::string& application, const std::string& section,
                               const std::string& key, const std::string& text) {
  RegistryKeyHandle created;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0,
                      nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                      created.put(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(created.get(), key.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace slotmate::win32
