#include "platform/win32/win32_window.h"

#include <commctrl.h>

#include "common/resource_ids.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_menu.h"

// The window's lifetime, showing, focus and modal loop; its controls are in
// win32_window_controls.cpp, its messages in win32_window_messages.cpp.

namespace slotmate::win32 {
namespace {

constexpr char kWindowClassName[] = "SlotmateWindow";
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle =
    WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
// Bit 29 of a key message's lParam: Alt was down.
constexpr LPARAM kAltDownBit = LPARAM(1) << 29;

constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

bool KeyIsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

RECT ScreenArea() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

Win32Window::Win32Window(Win32Toolkit& toolkit, const platform::WindowSpec& design)
    : toolkit_(toolkit), spec_(design) {
  const int dpi = toolkit_.Dpi();
  const DWORD exStyle = kWindowExStyle | (design.taskbarButton ? WS_EX_APPWINDOW : 0);
  RECT frame{0, 0, TwipsToPixels(design.clientWidth, dpi),
             TwipsToPixels(design.clientHeight, dpi)};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, exStyle);
  CreateWindowExA(exStyle, kWindowClassName, design.caption.c_str(), kWindowStyle,
                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                  frame.bottom - frame.top, nullptr, nullptr, toolkit_.Instance(), this);
  if (!hwnd_) return;
  CentreOn(ScreenArea());
  if (design.programIcon) {
    const HINSTANCE instance = toolkit_.Instance();
    const auto load = [instance](int metricX, int metricY) {
      return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(resources::kIcon),
                                           IMAGE_ICON, GetSystemMetrics(metricX),
                                           GetSystemMetrics(metricY), LR_DEFAULTCOLOR));
    };
    bigIcon_.reset(load(SM_CXICON, SM_CYICON));
    smallIcon_.reset(load(SM_CXSMICON, SM_CYSMICON));
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(smallIcon_.get()));
  }
}

Win32Window::~Win32Window() {
  if (hwnd_) DestroyWindow(hwnd_);
}

Win32Window* Win32Window::FromHandle(HWND hwnd, const Win32Toolkit& toolkit) {
  if (!hwnd || GetClassLongPtrA(hwnd, GCW_ATOM) != toolkit.WindowClass()) return nullptr;
  return reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

platform::WindowHandle Win32Window::Handle() const {
  return reinterpret_cast<platform::WindowHandle>(hwnd_);
}

platform::IconHandle Win32Window::Icon() const {
  return reinterpret_cast<platform::IconHandle>(bigIcon_.get());
}

// --- Showing and focus ---------------------------------------------------------

void Win32Window::CentreOn(const RECT& area) {
  RECT frame;
  GetWindowRect(hwnd_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = area.left + (area.right - area.left - width) / 2;
  const int top = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::FocusControl(HWND control) {
  if (!IsWindowVisible(hwnd_)) {
    pendingFocus_ = control;
    return;
  }
  lastFocus_ = control;
  ::SetFocus(control);
}

void Win32Window::FocusOnShow() {
  HWND target = pendingFocus_;
  pendingFocus_ = nullptr;
  if (!target) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) return;
    target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  }
  if (target) {
    lastFocus_ = target;
    ::SetFocus(target);
  }
}

void Win32Window::Show() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  FocusOnShow();
}

void Win32Window::ShowInactive() {
  HWND active = GetForegroundWindow();
  SetWindowPos(hwnd_, active && active != hwnd_ ? active : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Win32Window::Hide() { ShowWindow(hwnd_, SW_HIDE); }

bool Win32Window::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Win32Window::ShowModal(platform::Window& owner) {
  ShowModalOver(reinterpret_cast<HWND>(owner.Handle()));
}

void Win32Window::ShowModalOver(HWND owner) {
  if (!hwnd_ || modal_) return;
  SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  RECT area = ScreenArea();
  if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &area);
  CentreOn(area);
  const bool disableOwner = owner && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  modal_ = true;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  FocusOnShow();

  MSG msg;
  while (modal_) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave WM_QUIT for the main loop.
      if (got == 0) PostQuitMessage(int(msg.wParam));
      break;
    }
    toolkit_.Deliver(msg);
  }
  modal_ = false;
  // The owner is enabled before the dialog hides, so that it, and not
  // another program, becomes the active window.
  if (disableOwner) EnableWindow(owner, TRUE);
  if (owner && IsWindowVisible(owner)) SetActiveWindow(owner);
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void Win32Window::Close() {
  if (modal_) {
    modal_ = false;
    // Wakes the modal loop if it is waiting for a message.
    PostMessageA(hwnd_, WM_NULL, 0, 0);
  } else {
    Hide();
  }
}

void Win32Window::RequestClose(platform::UnloadMode mode) {
  bool closes = true;
  if (closeRequest_) {
    try {
      closes = closeRequest_(mode);
    } catch (...) {
      closes = false;
    }
  }
  if (!closes) return;
  if (modal_)
    Close();
  else if (hwnd_)
    DestroyWindow(hwnd_);
}

void Win32Window::RelayToToolTips(const MSG& msg) {
  if (toolTips_ && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
    // A control may change its tip first.
    if (msg.message == WM_MOUSEMOVE)
      for (auto& control : controls_)
        if (control->hwnd() == msg.hwnd) control->OnMouseMove(msg.lParam);
    MSG copy = msg;
    SendMessageA(toolTips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
  }
}

void Win32Window::PreviewKey(const MSG& msg) {
  if (!spec_.keyPreview || (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN))
    return;
  int shift = 0;
  if (KeyIsDown(VK_SHIFT)) shift |= kShiftMask;
  if (KeyIsDown(VK_CONTROL)) shift |= kCtrlMask;
  if (KeyIsDown(VK_MENU) || (msg.lParam & kAltDownBit)) shift |= kAltMask;
  RunHandler(keyDown_, int(msg.wParam), shift);
}

}  // namespace slotmate::win32
