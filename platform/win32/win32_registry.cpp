#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace slotmate::win32 {
namespace {

HKEY ToHkey(platform::RegistryKey key) { return reinterpret_cast<HKEY>(key); }

// Hands an opened key to the caller, or closes it when nobody takes it.
void HandOver(LONG status, HKEY key, platform::RegistryKey* out) {
  if (out != nullptr) {
    *out = status == ERROR_SUCCESS ? reinterpret_cast<platform::RegistryKey>(key) : 0;
  } else if (status == ERROR_SUCCESS) {
    RegCloseKey(key);
  }
}

}  // namespace

long Win32Registry::OpenKeyEx(platform::RegistryKey root, const std::string& subKey,
                              std::uint32_t access, platform::RegistryKey* opened) {
  HKEY key = nullptr;
  const LONG status = RegOpenKeyExA(ToHkey(root), subKey.c_str(), 0, access, &key);
  HandOver(status, key, opened);
  return status;
}

long Win32Registry::CreateKey(platform::RegistryKey root, const std::string& subKey,
                              platform::RegistryKey* created) {
  HKEY key = nullptr;
  const LONG status = RegCreateKeyA(ToHkey(root), subKey.c_str(), &key);
  HandOver(status, key, created);
  return status;
}

long Win32Registry::SetValueEx(platform::RegistryKey key, const std::string& valueName,
                               std::uint32_t type, std::string_view data) {
  return RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size()));
}

long Win32Registry::CloseKey(platform::RegistryKey key) {
  return RegCloseKey(ToHkey(key));
}

}  // namespace slotmate::win32
