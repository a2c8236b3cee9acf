#include "platform/win32/win32_window.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/twips.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_picture.h"

// The controls, timers, menus and tooltips a window makes and owns.

namespace slotmate::win32 {
namespace {

constexpr UINT_PTR kFirstTimerId = 1;

}  // namespace

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
  // Owner-drawn, so the card paths line up in one column, but with strings:
  // screen readers and other programs read each row's text (LB_GETTEXT),
  // which the list answers from its own rows.
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
    // Lines break only where a tip's text breaks them (a list row shown whole).
    SendMessageA(toolTips_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
  }
  return toolTips_;
}

}  // namespace slotmate::win32
