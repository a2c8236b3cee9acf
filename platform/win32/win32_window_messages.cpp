#include "platform/win32/win32_window.h"

#include <dbt.h>

// The window procedure, and what each message the program handles does:
// commands, drawing, timers, the close box, activation, Enter's default
// button, the end of the session and the arrival of discs.

namespace slotmate::win32 {
namespace {

// WM_SYSCOMMAND keeps its low four bits for the system's own use.
constexpr WPARAM kSysCommandMask = 0xFFF0;

}  // namespace

LRESULT CALLBACK Win32Window::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<Win32Window*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

LRESULT Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wParam),
                              reinterpret_cast<HWND>(lParam));
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = toolkit_.LineHeight();
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_MOUSEMOVE:
      RunHandler(mouseMove_, std::uint32_t(lParam));
      return 0;
    case WM_SYSCOMMAND:
      if (OnSysCommand(wParam)) return 0;
      break;
    case WM_CLOSE:
      RequestClose(platform::UnloadMode::kOutside);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      OnEndSession(wParam != FALSE);
      return 0;
    case WM_DEVICECHANGE:
      OnDeviceChange(wParam, lParam);
      return TRUE;
    case kMediaChanged:
      RunHandler(mediaChange_, std::uint32_t(wParam), lParam != 0);
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case DM_GETDEFID:
      return OnGetDefaultId();
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      OnNcDestroy();
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    default:
      if (message == toolkit_.TaskbarCreatedMessage() && message != 0) {
        RunHandler(taskbarCreated_);
        return 0;
      }
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void Win32Window::OnCommand(WORD id, WORD code) {
  for (auto& control : controls_) {
    if (GetDlgCtrlID(control->hwnd()) != id) continue;
    // Esc sends IDCANCEL even when the cancel button is disabled.
    if (IsWindowEnabled(control->hwnd())) control->OnCommand(code);
    return;
  }
}

void Win32Window::OnDrawItem(const DRAWITEMSTRUCT& item) {
  for (auto& control : controls_)
    if (control->hwnd() == item.hwndItem) return control->OnDrawItem(item);
}

LRESULT Win32Window::OnCtlColorStatic(HDC dc, HWND hwnd) {
  for (auto& control : controls_) {
    if (control->hwnd() != hwnd) continue;
    if (HBRUSH brush = control->OnCtlColor(dc)) return reinterpret_cast<LRESULT>(brush);
    break;
  }
  return DefWindowProcA(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(hwnd));
}

void Win32Window::OnTimer(UINT_PTR id) {
  for (auto& timer : timers_)
    if (timer->id() == id) timer->Tick();
}

// The close box, the system menu's Close and Alt+F4 all arrive as SC_CLOSE;
// a bare WM_CLOSE comes from another program.
bool Win32Window::OnSysCommand(WPARAM command) {
  if ((command & kSysCommandMask) != SC_CLOSE) return false;
  RequestClose(platform::UnloadMode::kUser);
  return true;
}

// A plain window forgets its focused control when deactivated; dialogs
// remember it, and so does this window.
void Win32Window::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
    return;
  }
  HWND target = lastFocus_ && IsChild(hwnd_, lastFocus_)
                    ? lastFocus_
                    : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  ::SetFocus(target ? target : hwnd_);
}

// The dialog manager asks which button Enter presses: a focused push button,
// otherwise the default button.
LRESULT Win32Window::OnGetDefaultId() {
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus) &&
      (SendMessageA(focus, WM_GETDLGCODE, 0, 0) &
       (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
  if (defaultButtonId_) return MAKELRESULT(defaultButtonId_, DC_HASDEFID);
  return 0;
}

// A disc arrived or left. The sender waits for the answer, and a poll of the
// drives takes a while, so the handler runs later, from the queue.
void Win32Window::OnDeviceChange(WPARAM event, LPARAM data) {
  if ((event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) || data == 0)
    return;
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  // The size first: a record too short to be a volume's has no such fields.
  if (header->dbch_size < sizeof(DEV_BROADCAST_VOLUME) ||
      header->dbch_devicetype != DBT_DEVTYP_VOLUME)
    return;
  const auto* volume = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(data);
  if (volume->dbcv_flags & DBTF_MEDIA)
    PostMessageA(hwnd_, kMediaChanged, WPARAM(volume->dbcv_unitmask),
                 LPARAM(event == DBT_DEVICEARRIVAL));
}

void Win32Window::OnEndSession(bool ending) {
  if (ending) RequestClose(platform::UnloadMode::kSession);
}

void Win32Window::OnNcDestroy() {
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  // Timers die with the window; the owner tooltip control too.
  hwnd_ = nullptr;
  toolTips_ = nullptr;
  modal_ = false;
}

}  // namespace slotmate::win32
