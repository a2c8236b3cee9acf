#include "platform/win32/win32_media.h"

#include <windows.h>

#include <mmsystem.h>

namespace slotmate::win32 {

std::uint32_t Win32MediaControl::SendString(const std::string& command, char* reply,
                                            unsigned replyLength) {
  return mciSendStringA(command.c_str(), reply, replyLength, nullptr);
}

}  // namespace slotmate::win32
