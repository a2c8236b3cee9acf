#include "platform/win32/win32_tray.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/win32/system_dlls.h"

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

// A balloon needs the second form of the record, which ends after
// dwInfoFlags: a shell handed the first form's size ignores the balloon.
static_assert(NOTIFYICONDATAA_V2_SIZE == (sizeof(void*) == 4 ? 488 : 504));
static_assert(offsetof(NOTIFYICONDATAA, dwInfoFlags) + sizeof(DWORD) ==
              NOTIFYICONDATAA_V2_SIZE);

namespace {

// As much of `text` as fits, always NUL-terminated.
template <std::size_t N>
void CopyCut(char (&to)[N], const std::string& text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::memcpy(to, text.data(), length);
  to[length] = '\0';
}

// Whether a balloon shown now reaches the player. From Vista on the shell
// takes a balloon and drops it in quiet hours, over a full-screen program or
// with notifications off; XP lacks the question and shows every balloon.
bool BalloonsSeen() {
  using Query = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE*);
  const auto query =
      DllFunction<Query>(GetModuleHandleA("shell32.dll"), "SHQueryUserNotificationState");
  QUERY_USER_NOTIFICATION_STATE state{};
  return query == nullptr || FAILED(query(&state)) || state == QUNS_ACCEPTS_NOTIFICATIONS;
}

}  // namespace

bool Win32Tray::ShowBalloon(const platform::NotifyIconData& data,
                            const std::string& title, const std::string& text) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V2_SIZE;
  record.hWnd = reinterpret_cast<HWND>(data.hWnd);
  record.uID = data.uID;
  record.uFlags = NIF_INFO;
  CopyCut(record.szInfoTitle, title);
  CopyCut(record.szInfo, text);
  record.dwInfoFlags = NIIF_INFO;
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE && BalloonsSeen();
}

}  // namespace slotmate::win32
