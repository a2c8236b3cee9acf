#include "platform/win32/win32_toolkit.h"

#include <commctrl.h>
#include <ole2.h>

#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_picture.h"
#include "platform/win32/win32_window.h"

namespace slotmate::win32 {
namespace {

constexpr char kWindowClassName[] = "SlotmateWindow";
constexpr char kFontFace[] = "MS Sans Serif";
// 8.25 points, in hundredths of a point; 7200 hundredths per inch.
constexpr int kFontSizeHundredths = 825;
constexpr int kHundredthsPerInch = 7200;

OwnedFont MakeFont(int dpi, bool underlined) {
  return OwnedFont(CreateFontA(-MulDiv(kFontSizeHundredths, dpi, kHundredthsPerInch), 0,
                               0, 0, FW_NORMAL, FALSE, underlined, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_SWISS, kFontFace));
}

UINT TextHeight(HFONT font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return UINT(metrics.tmHeight);
}

}  // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance)
    : instance_(instance),
      dpi_(ScreenDpi()),
      font_(MakeFont(dpi_, false)),
      underlinedFont_(MakeFont(dpi_, true)),
      lineHeight_(TextHeight(font_.get())),
      taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {
  // The common controls are loaded here, after main has restricted the DLL
  // search, not imported: loading, they load theme DLLs by name. Named, not
  // given a path, they are the version the manifest asks for.
  using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const INITCOMMONCONTROLSEX controls{sizeof(controls),
                                      ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  if (const auto init =
          DllFunction<InitFn>(LoadLibraryA("comctl32.dll"), "InitCommonControlsEx"))
    init(&controls);

  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClassName;
  windowClass.lpfnWndProc = Win32Window::ClassProcedure();
  windowClass_ = RegisterClassExA(&windowClass);
  pictureClass_ = RegisterPictureClass(instance_);
}

Win32Toolkit::~Win32Toolkit() {
  if (windowClass_) UnregisterClassA(MAKEINTATOM(windowClass_), instance_);
  if (pictureClass_) UnregisterClassA(MAKEINTATOM(pictureClass_), instance_);
  if (oleStarted_) OleUninitialize();
}

void Win32Toolkit::StartOle() {
  if (!oleStarted_) oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
}

std::unique_ptr<platform::Window> Win32Toolkit::NewWindow(
    const platform::WindowSpec& design) {
  return NewWin32Window(design);
}

std::unique_ptr<Win32Window> Win32Toolkit::NewWin32Window(
    const platform::WindowSpec& design) {
  return std::make_unique<Win32Window>(*this, design);
}

void Win32Toolkit::Deliver(MSG& msg) {
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (Win32Window* window = Win32Window::FromHandle(root, *this)) {
    window->RelayToToolTips(msg);
    window->PreviewKey(msg);
    // Tab, Enter, Esc and access keys, as in a dialog box.
    if (IsDialogMessageA(root, &msg)) return;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

bool Win32Toolkit::PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return false;
    }
    Deliver(msg);
  }
  return true;
}

void Win32Toolkit::RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Deliver(msg);
}

void Win32Toolkit::Quit() { PostQuitMessage(0); }

}  // namespace slotmate::win32
