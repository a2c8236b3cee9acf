#include "platform/win32/win32_media.h"

#include <windows.h>

#include <mmsystem.h>

#include "platform/win32/system_dlls.h"

namespace slotmate::win32 {

static_assert(MCIERR_CANNOT_LOAD_DRIVER == platform::kMciCannotLoadDriver);

// MCI lives in winmm.dll, which is not a KnownDLL: it is loaded from
// System32 on first use (see system_dlls.cpp). Without it no drive answers,
// and the disc watcher tells the player so.
std::uint32_t Win32MediaControl::SendString(const std::string& command, char* reply,
                                            unsigned replyLength) {
  using SendStringFn = MCIERROR(WINAPI*)(LPCSTR, LPSTR, UINT, HWND);
  static const auto send =
      DllFunction<SendStringFn>(LoadSystemDll("winmm.dll"), "mciSendStringA");
  if (send == nullptr) return MCIERR_CANNOT_LOAD_DRIVER;
  return send(command.c_str(), reply, replyLength, nullptr);
}

}  // namespace slotmate::win32
