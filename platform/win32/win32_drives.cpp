#include "platform/win32/win32_drives.h"

#include <windows.h>

namespace slotmate::win32 {

unsigned Win32Drives::DriveType(const std::string& rootWithBackslash) {
  return GetDriveTypeA(rootWithBackslash.c_str());
}

}  // namespace slotmate::win32
