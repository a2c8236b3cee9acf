#include "platform/win32/win32_tray.h"

#include <windows.h>

#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace slotmate::win32 {

// The program fills the first form of the record; every shell since Windows 95
// accepts it, and newer fields stay unused. It is 88 bytes in a 32-bit build;
// a 64-bit build's pointers make it larger, whatever size the caller names.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);
constexpr std::size_t kFirstTipSize = sizeof(platform::NotifyIconData{}.szTip);
static_assert(offsetof(NOTIFYICONDATAA, szTip) + kFirstTipSize ==
              NOTIFYICONDATAA_V1_SIZE);

bool Win32Tray::NotifyIcon(std::uint32_t message, const platform::NotifyIconData& data) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = reinterpret_cast<HWND>(data.hWnd);
  record.uID = data.uID;
  record.uFlags = data.uFlags;
  record.uCallbackMessage = data.uCallbackMessage;
  record.hIcon = reinterpret_cast<HICON>(data.hIcon);
  std::memcpy(record.szTip, data.szTip.data(), kFirstTipSize);
  record.szTip[kFirstTipSize - 1] = '\0';
  return Shell_NotifyIconA(message, &record) != FALSE;
}

}  // namespace slotmate::win32
