#include "platform/win32/win32_window.h"

#include <commctrl.h>
#include <dbt.h>

#include <algorithm>

#include "common/resource_ids.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_picture.h"

namespace slotmate::win32 {
namespace {

constexpr char kWindowClassName[] = "SlotmateWindow";
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle =
    WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
constexpr UINT_PTR kFirstTimerId = 1;
// WM_SYSCOMMAND keeps its low four bits for the system's own use.
constexpr WPARAM kSysCommandMask = 0xFFF0;
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

// --- Controls ---------------------------------------------------------------

HWND Win32Window::CreateChild(const char* windowClass,
                              const platform::ControlSpec& design, DWORD style,
                              DWORD exStyle, int id, void* param) {
  const PixelRect rect = TwipsToPixels(design.rect, toolkit_.Dpi());
  HWND child = CreateWindowExA(
      exStyle, windowClass, design.caption.c_str(), WS_CHILD | WS_VISIBLE | style,
      rect.left, rect.top, rect.width, rect.height, hwnd_,
      reinterpret_cast<HMENU>(INT_PTR(id)), toolkit_.Instance(), param);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(toolkit_.Font()), FALSE);
  return child;
}

// A label whose font is wider than the one its place was measured for (Wine
// draws MS Sans Serif wider than Windows) grows to the right instead of
// wrapping its text out of sight.
void Win32Window::WidenToFitText(HWND label, HFONT font, const std::string& text) {
  HDC dc = GetDC(label);
  HGDIOBJ previous = SelectObject(dc, font);
  RECT needed{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), int(text.size()), &needed, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  RECT now;
  GetClientRect(label, &now);
  if (needed.right > now.right)
    SetWindowPos(label, nullptr, 0, 0, needed.right, now.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template <class T>
T& Win32Window::Adopt(std::unique_ptr<T> control) {
  T& ref = *control;
  controls_.push_back(std::move(control));
  ApplyTabOrder();
  return ref;
}

// Tab follows the z-order of the children, so the children are stacked in
// the order of their tab indexes.
void Win32Window::ApplyTabOrder() {
  std::vector<ControlCore*> order;
  for (auto& control : controls_) order.push_back(control.get());
  std::stable_sort(order.begin(), order.end(),
                   [](auto* a, auto* b) { return a->tabIndex() < b->tabIndex(); });
  HWND after = HWND_TOP;
  for (ControlCore* control : order) {
    SetWindowPos(control->hwnd(), after, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    after = control->hwnd();
  }
}

platform::Button& Win32Window::AddButton(const platform::ButtonSpec& design) {
  // Esc reaches a window through the dialog manager as IDCANCEL.
  const int id = design.cancelButton ? IDCANCEL : NextId();
  if (design.defaultButton) defaultButtonId_ = id;
  const DWORD style =
      WS_TABSTOP | (design.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  HWND hwnd = CreateChild(WC_BUTTONA, design, style, 0, id);
  return Adopt(std::make_unique<Win32Button>(*this, hwnd, design.tabIndex));
}

platform::Label& Win32Window::AddLabel(const platform::LabelSpec& design) {
  HWND hwnd = CreateChild(WC_STATICA, design, SS_LEFT | SS_NOTIFY, 0, NextId());
  HFONT font = design.underlined ? toolkit_.UnderlinedFont() : toolkit_.Font();
  if (design.underlined)
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  WidenToFitText(hwnd, font, design.caption);
  return Adopt(std::make_unique<Win32Label>(*this, hwnd, design));
}

platform::TextBox& Win32Window::AddTextBox(const platform::TextBoxSpec& design) {
  HWND hwnd = CreateChild(WC_EDITA, design, WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
                          WS_EX_CLIENTEDGE, NextId());
  return Adopt(std::make_unique<Win32TextBox>(*this, hwnd, design));
}

platform::ListBox& Win32Window::AddListBox(const platform::ControlSpec& design) {
  platform::ControlSpec noCaption = design;
  noCaption.caption.clear();
  // Owner-drawn, so the card path keeps its column, but with each row's text
  // in the control too: screen readers, type-ahead and other programs
  // (LB_GETTEXT) read it.
  HWND hwnd = CreateChild(WC_LISTBOXA, noCaption,
                          WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                              LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                          WS_EX_CLIENTEDGE, NextId());
  return Adopt(std::make_unique<Win32ListBox>(*this, hwnd, design.tabIndex));
}

platform::Picture& Win32Window::AddPicture(const platform::PictureSpec& design) {
  platform::ControlSpec noCaption = design;
  noCaption.caption.clear();
  HWND hwnd = CreateChild(kPictureClassName, noCaption, 0, 0, NextId());
  return Adopt(
      std::make_unique<Win32Picture>(*this, hwnd, design.tabIndex, design.resourceId));
}

platform::Timer& Win32Window::AddTimer(const std::string& /*name*/, unsigned intervalMs,
                                       bool enabled) {
  const UINT_PTR id = kFirstTimerId + timers_.size();
  timers_.push_back(std::make_unique<Win32Timer>(hwnd_, id, intervalMs, enabled));
  return *timers_.back();
}

platform::PopupMenu& Win32Window::AddPopupMenu(
    const std::string& /*name*/, const std::vector<platform::MenuItemSpec>& items) {
  menus_.push_back(std::make_unique<Win32PopupMenu>(hwnd_, items));
  return *menus_.back();
}

HWND Win32Window::ToolTips() {
  if (!toolTips_) {
    toolTips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                                nullptr, toolkit_.Instance(), nullptr);
    SendMessageA(toolTips_, WM_SETFONT, reinterpret_cast<WPARAM>(toolkit_.Font()), FALSE);
  }
  return toolTips_;
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

// --- Messages -------------------------------------------------------------------

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
      RunHandler(mediaChange_, std::uint32_t(wParam));
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
    PostMessageA(hwnd_, kMediaChanged, WPARAM(volume->dbcv_unitmask), 0);
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
