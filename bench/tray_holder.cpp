// Keeps one icon in the notification area until it is ended, as a desktop
// always has some. Without it, Wine's tray window (with no window manager)
// hides each time the last icon goes, and the next program to start waits
// about 2 s for that hide: bench/figures.sh would time Wine, not the program.
//
//   tray_holder.exe

#include <windows.h>

#include <shellapi.h>

namespace {

constexpr char kClassName[] = "SlotmateBenchTrayHolder";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.lpszClassName = kClassName;
  if (RegisterClassA(&window_class) == 0) return 1;
  const HWND window = CreateWindowExA(0, kClassName, "Tray holder", WS_OVERLAPPED, 0, 0,
                                      0, 0, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 2;

  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_TIP;
  icon.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
  lstrcpynA(icon.szTip, "Tray holder", sizeof icon.szTip);
  if (!Shell_NotifyIconA(NIM_ADD, &icon)) return 3;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  Shell_NotifyIconA(NIM_DELETE, &icon);
  return 0;
}
