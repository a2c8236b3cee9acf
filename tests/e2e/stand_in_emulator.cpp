// A window captioned like the emulator that records every key message it
// receives, so the end-to-end tests can see what Slotmate sent it.
//
//   stand_in_emulator.exe LOGFILE [CAPTION]
//
// Each key message becomes one line of LOGFILE: "down 0x0D", "up 0x0D",
// "sysdown 0x45", "sysup 0x12". "ready" is written once the window is shown.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr char kDefaultCaption[] = "Connectix Virtual Game Station";
constexpr char kClassName[] = "SlotmateStandInEmulator";

std::FILE* g_log = nullptr;

void LogLine(const char* text) {
  if (g_log == nullptr) return;
  std::fprintf(g_log, "%s\n", text);
  // The tests read the log while the window runs.
  std::fflush(g_log);
}

void LogKey(const char* kind, WPARAM key) {
  char line[32];
  std::snprintf(line, sizeof line, "%s 0x%02X", kind, static_cast<unsigned>(key));
  LogLine(line);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      LogKey("down", wparam);
      return 0;
    case WM_KEYUP:
      LogKey("up", wparam);
      return 0;
    case WM_SYSKEYDOWN:
      LogKey("sysdown", wparam);
      // Not passed on: the default handler would open the system menu on Alt.
      return 0;
    case WM_SYSKEYUP:
      LogKey("sysup", wparam);
      return 0;
    case WM_SYSCHAR:
      // Swallowed so that Alt+E does not beep or enter menu mode.
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      DrawTextA(dc, "Stand-in emulator: logging keys", -1, &client,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  if (__argc < 2) return 2;
  g_log = std::fopen(__argv[1], "ab");
  if (g_log == nullptr) return 3;
  const std::string caption = __argc >= 3 ? __argv[2] : kDefaultCaption;

  WNDCLASSA window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = kClassName;
  if (RegisterClassA(&window_class) == 0) return 4;

  const HWND window =
      CreateWindowExA(0, kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, 320, 40, 400,
                      200, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 5;
  ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
  UpdateWindow(window);
  LogLine("ready");

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  std::fclose(g_log);
  return 0;
}
