#include "platform/win32/win32_dialogs.h"

#include <algorithm>
#include <cstddef>

#include "platform/win32/input_box.h"
#include "platform/win32/system_dlls.h"

namespace slotmate::win32 {
namespace {

// A buffer of the record's full length (at least its stated maximum), with
// a NUL at the end whatever the record holds.
std::vector<char> TextBuffer(const std::string& text, std::uint32_t maxLength) {
  std::vector<char> buffer(std::max<std::size_t>(text.size(), maxLength), '\0');
  std::copy(text.begin(), text.end(), buffer.begin());
  if (!buffer.empty()) buffer.back() = '\0';
  return buffer;
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

}  // namespace

OPENFILENAMEA ToOpenFileNameA(const platform::OpenFileNameRecord& record,
                              std::vector<char>& fileBuffer,
                              std::vector<char>& titleBuffer) {
  fileBuffer = TextBuffer(record.lpstrFile, record.nMaxFile);
  titleBuffer = TextBuffer(record.lpstrFileTitle, record.nMaxFileTitle);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = NativeSize(record.lStructSize);
  ofn.hwndOwner = reinterpret_cast<HWND>(record.hwndOwner);
  ofn.hInstance = reinterpret_cast<HINSTANCE>(record.hInstance);
  // The filter holds NULs of its own; data() keeps every byte.
  ofn.lpstrFilter = record.lpstrFilter.empty() ? nullptr : record.lpstrFilter.data();
  ofn.lpstrFile = fileBuffer.empty() ? nullptr : fileBuffer.data();
  ofn.nMaxFile = record.nMaxFile;
  ofn.lpstrFileTitle = titleBuffer.empty() ? nullptr : titleBuffer.data();
  ofn.nMaxFileTitle = record.nMaxFileTitle;
  ofn.lpstrInitialDir = OrNull(record.lpstrInitialDir);
  ofn.lpstrTitle = OrNull(record.lpstrTitle);
  ofn.Flags = record.Flags;
  return ofn;
}

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
  std::vector<char> file;
  std::vector<char> title;
  OPENFILENAMEA ofn = ToOpenFileNameA(record, file, title);
  // Loaded on first use, not imported: loading, the file dialog loads the
  // common controls, which load theme DLLs by name (see system_dlls.cpp).
  using GetOpenFileNameFn = BOOL(WINAPI*)(LPOPENFILENAMEA);
  static const auto getOpenFileName =
      DllFunction<GetOpenFileNameFn>(LoadSystemDll("comdlg32.dll"), "GetOpenFileNameA");
  const int result =
      getOpenFileName == nullptr ? platform::kNoFileDialog : getOpenFileName(&ofn) != 0;
  // The buffers go back whole, NULs included, as the record holds them.
  record.lpstrFile.assign(file.begin(), file.end());
  record.lpstrFileTitle.assign(title.begin(), title.end());
  return result;
}

}  // namespace slotmate::win32
