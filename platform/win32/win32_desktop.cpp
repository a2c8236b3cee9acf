#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <string_view>

namespace slotmate::win32 {
namespace {

// The keys that live on the enhanced keyboard's own block: without the
// extended flag, Up would arrive as the keypad's 8.
bool IsExtendedKey(std::uint16_t virtualKey) {
  switch (virtualKey) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
      return true;
    default:
      return false;
  }
}

struct CaptionSearch {
  std::string_view caption;
  HWND exact = nullptr;
  HWND prefix = nullptr;  // the first window whose caption begins with it
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<CaptionSearch*>(context);
  if (!IsWindowVisible(window)) return TRUE;
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  if (text == search.caption) {
    search.exact = window;
    return FALSE;
  }
  if (search.prefix == nullptr && text.starts_with(search.caption)) {
    search.prefix = window;
  }
  return TRUE;
}

// Windows lets only the foreground thread hand the foreground on; sharing its
// input state for the moment of the call makes the request ours as well.
bool BringToFront(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  const HWND foreground = GetForegroundWindow();
  const DWORD theirs =
      foreground != nullptr ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  const DWORD ours = GetCurrentThreadId();
  const bool attached =
      theirs != 0 && theirs != ours && AttachThreadInput(ours, theirs, TRUE) != FALSE;
  BringWindowToTop(window);
  const bool accepted = SetForegroundWindow(window) != FALSE;
  if (attached) AttachThreadInput(ours, theirs, FALSE);
  return accepted || GetForegroundWindow() == window;
}

HWND WindowByCaption(const std::string& caption) {
  if (caption.empty()) return nullptr;
  CaptionSearch search{caption};
  EnumWindows(&VisitWindow, reinterpret_cast<LPARAM>(&search));
  return search.exact != nullptr ? search.exact : search.prefix;
}

}  // namespace

bool Win32Desktop::ActivateWindowByCaption(const std::string& caption) {
  const HWND found = WindowByCaption(caption);
  return found != nullptr && BringToFront(found);
}

bool Win32Desktop::WindowWithCaptionExists(const std::string& caption) {
  return WindowByCaption(caption) != nullptr;
}

std::vector<KeyInput> KeyInputsFor(const std::vector<platform::KeyEvent>& keys) {
  std::vector<KeyInput> inputs;
  inputs.reserve(keys.size());
  for (const auto& key : keys) {
    KeyInput input;
    input.virtualKey = key.virtualKey;
    input.scanCode =
        static_cast<std::uint16_t>(MapVirtualKeyA(key.virtualKey, MAPVK_VK_TO_VSC));
    input.flags = (IsExtendedKey(key.virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0) |
                  (key.down ? 0 : KEYEVENTF_KEYUP);
    inputs.push_back(input);
  }
  return inputs;
}

void Win32Desktop::SendKeys(const std::vector<platform::KeyEvent>& keys) {
  std::vector<INPUT> events;
  for (const auto& key : KeyInputsFor(keys)) {
    INPUT event{};
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = key.virtualKey;
    event.ki.wScan = key.scanCode;
    event.ki.dwFlags = key.flags;
    events.push_back(event);
  }
  // One call, so no other input can come between the events.
  if (!events.empty()) {
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
  }
}

void Win32Desktop::ShellOpen(platform::WindowHandle owner, const std::string& verb,
                             const std::string& file) {
  // The shell may hand the work to COM objects: COM for the call, which
  // returns only once they are done with it.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  SHELLEXECUTEINFOA request{};
  request.cbSize = sizeof(request);
  request.fMask = SEE_MASK_NOASYNC;
  request.hwnd = reinterpret_cast<HWND>(owner);
  request.lpVerb = verb.empty() ? nullptr : verb.c_str();  // the default action
  request.lpFile = file.c_str();
  request.nShow = SW_SHOWNORMAL;
  ShellExecuteExA(&request);
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace slotmate::win32
