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

// Refused where a character has no form of its own in the code page: a
// best-fit ("é" as "e") or the default character ("?") would name something
// else. Invalid UTF-8 is refused too.
std::optional<std::string> Win32Locale::FromUtf8(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  const int size = int(utf8.size());
  const int wideSize =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (wideSize == 0) return std::nullopt;
  // Where the ANSI code page is UTF-8 (a Windows 10 option), the text is its
  // own form, and that code page refuses both the flag and the question.
  if (GetACP() == CP_UTF8) return std::string(utf8);
  std::wstring wide(wideSize, L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(),
                      wideSize);
  BOOL usedDefault = FALSE;
  const int ansiSize = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                           wideSize, nullptr, 0, nullptr, &usedDefault);
  if (ansiSize == 0 || usedDefault) return std::nullopt;
  std::string ansi(ansiSize, '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, ansi.data(),
                      ansiSize, nullptr, nullptr);
  return ansi;
}

}  // namespace slotmate::win32
