#include "platform/win32/win32_dialogs.h"

#include <cderr.h>

#include <algorithm>
#include <cstddef>

#include "platform/win32/input_box.h"
#include "platform/win32/system_dlls.h"

namespace slotmate::win32 {
namespace {

// The record's own buffer, written in place; the room stated is never more
// than the buffer holds.
char* Buffer(std::string& text) { return text.empty() ? nullptr : text.data(); }
DWORD Room(const std::string& text, std::uint32_t stated) {
  return DWORD(std::min<std::size_t>(stated, text.size()));
}

// The record's size for this build: the 4.00 form is 76 bytes in a 32-bit
// build and larger in a 64-bit one, whose system refuses the 32-bit size.
constexpr std::size_t k400Size =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
static_assert(sizeof(void*) != 4 || k400Size == platform::kOpenFileName400Size);
DWORD NativeSize(std::uint32_t size) {
  return size == platform::kOpenFileName400Size ? DWORD(k400Size) : size;
}

const char* OrNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

// The OPENFILENAMEA that GetOpenFileNameA gets for a record: the record's
// size and flags as given, its filter byte for byte, its own file buffers.
OPENFILENAMEA ToOpenFileNameA(platform::OpenFileNameRecord& record) {
  OPENFILENAMEA ofn{};
  ofn.lStructSize = NativeSize(record.lStructSize);
  ofn.hwndOwner = reinterpret_cast<HWND>(record.hwndOwner);
  ofn.hInstance = reinterpret_cast<HINSTANCE>(record.hInstance);
  // The filter holds NULs of its own; data() keeps every byte.
  ofn.lpstrFilter = record.lpstrFilter.empty() ? nullptr : record.lpstrFilter.data();
  ofn.lpstrFile = Buffer(record.lpstrFile);
  ofn.nMaxFile = Room(record.lpstrFile, record.nMaxFile);
  ofn.lpstrFileTitle = Buffer(record.lpstrFileTitle);
  ofn.nMaxFileTitle = Room(record.lpstrFileTitle, record.nMaxFileTitle);
  ofn.lpstrInitialDir = OrNull(record.lpstrInitialDir);
  ofn.lpstrTitle = OrNull(record.lpstrTitle);
  ofn.Flags = record.Flags;
  return ofn;
}

}  // namespace

int Win32Dialogs::ShowMessage(platform::WindowHandle owner, const std::string& text,
                              const std::string& title, std::uint32_t style) {
  return MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), title.c_str(), style);
}

std::string Win32Dialogs::InputBox(platform::WindowHandle owner,
                                   const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
  return RunInputBox(toolkit_, reinterpret_cast<HWND>(owner), prompt, title, defaultText)
      .value_or(std::string());
}

int Win32Dialogs::ShowOpenFileDialog(platform::OpenFileNameRecord& record) {
  OPENFILENAMEA ofn = ToOpenFileNameA(record);
  // Loaded on first use, not imported: loading, the file dialog loads the
  // common controls, which load theme DLLs by name (see system_dlls.cpp).
  static const HMODULE comdlg32 = LoadSystemDll("comdlg32.dll");
  using GetOpenFileNameFn = BOOL(WINAPI*)(LPOPENFILENAMEA);
  using ExtendedErrorFn = DWORD(WINAPI*)();
  static const auto getOpenFileName =
      DllFunction<GetOpenFileNameFn>(comdlg32, "GetOpenFileNameA");
  static const auto extendedError =
      DllFunction<ExtendedErrorFn>(comdlg32, "CommDlgExtendedError");
  if (getOpenFileName == nullptr || extendedError == nullptr)
    return platform::kNoFileDialog;
  if (getOpenFileName(&ofn)) return 1;
  // Windows refuses a typed name longer than the buffer; only this tells it
  // apart from Cancel.
  return extendedError() == FNERR_BUFFERTOOSMALL ? platform::kFileNameTooLong : 0;
}

}  // namespace slotmate::win32
