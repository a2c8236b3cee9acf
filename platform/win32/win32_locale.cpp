#include "platform/win32/win32_locale.h"

#include <windows.h>

namespace slotmate::win32 {

// CharUpperBuffA follows the user's locale and ANSI code page, so "é" finds
// "É" where a byte-wise toupper would not.
std::string Win32Locale::UpperCase(const std::string& text) {
  std::string upper = text;
  if (!upper.empty()) CharUpperBuffA(upper.data(), DWORD(upper.size()));
  return upper;
}

}  // namespace slotmate::win32
