// The smallest Win32 program with a shown window and a message loop: the
// baseline that bench/figures.sh sets Slotmate's start-up time, memory and
// size against.
//
//   bare_window.exe [CAPTION]

#include <windows.h>

#include <cstdlib>

namespace {

constexpr char kDefaultCaption[] = "Bare Window";
constexpr char kClassName[] = "SlotmateBenchBareWindow";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  if (RegisterClassA(&window_class) == 0) return 1;

  const char* caption = __argc >= 2 ? __argv[1] : kDefaultCaption;
  const HWND window =
      CreateWindowExA(0, kClassName, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 480, 360, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 2;
  ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
