// A window captioned like the emulator that logs the keys it gets, for the
// journeys and scripts/run.sh.
//
//   stand_in_emulator.exe LOGFILE
//
// One line a message ("down 0x0D", "sysup 0x12"); "ready" once shown.

#include <windows.h>

#include <cstdio>
#include <cstdlib>  // __argc, __argv

namespace {

std::FILE* g_log = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // By message, from WM_KEYDOWN to WM_SYSKEYUP; the character messages between
  // are not logged.
  static const char* const kKinds[] = {"down",  "up",      nullptr,
                                       nullptr, "sysdown", "sysup"};
  if (message >= WM_KEYDOWN && message <= WM_SYSKEYUP && kKinds[message - WM_KEYDOWN]) {
    std::fprintf(g_log, "%s 0x%02X\n", kKinds[message - WM_KEYDOWN], unsigned(wparam));
    std::fflush(g_log);  // read while the window runs
    return 0;            // not passed on: Alt would open the system menu
  }
  // Swallowed so that Alt+E neither beeps nor enters menu mode.
  if (message == WM_SYSCHAR) return 0;
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 2 || (g_log = std::fopen(__argv[1], "ab")) == nullptr) return 2;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "SlotmateStandInEmulator";
  if (RegisterClassA(&windowClass) == 0) return 3;
  if (CreateWindowExA(0, windowClass.lpszClassName, "Connectix Virtual Game Station",
                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 320, 40, 400, 200, nullptr,
                      nullptr, instance, nullptr) == nullptr)
    return 4;
  std::fputs("ready\n", g_log);
  std::fflush(g_log);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  std::fclose(g_log);
  return 0;
}
