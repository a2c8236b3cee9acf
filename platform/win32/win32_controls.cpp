#include "platform/win32/win32_controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <iterator>

#include <stdexcept>

#include "platform/win32/control_subclass.h"
#include "platform/win32/win32_window.h"

namespace slotmate::win32 {

template <class Interface>
void ControlOf<Interface>::SetFocus() {
  window_.FocusControl(hwnd_);
}

template class ControlOf<platform::Button>;
template class ControlOf<platform::Label>;
template class ControlOf<platform::TextBox>;
template class ControlOf<platform::ListBox>;
template class ControlOf<platform::Picture>;

// --- Button -----------------------------------------------------------------------

void Win32Button::OnCommand(WORD code) {
  if (code == BN_CLICKED) RunHandler(click_);
}

// --- Label ------------------------------------------------------------------------

Win32Label::Win32Label(Win32Window& window, HWND hwnd, const platform::LabelSpec& design)
    : ControlOf(window, hwnd, design.tabIndex), textColor_(design.textColor) {
  if (!design.toolTip.empty()) SetControlToolTip(window, hwnd, design.toolTip, true);
}

void Win32Label::OnCommand(WORD code) {
  if (code == STN_CLICKED) RunHandler(click_);
}

HBRUSH Win32Label::OnCtlColor(HDC dc) {
  if (textColor_ == platform::kDefaultTextColor) return nullptr;
  SetTextColor(dc, COLORREF(textColor_));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

// --- Text box ---------------------------------------------------------------------

Win32TextBox::Win32TextBox(Win32Window& window, HWND hwnd,
                           const platform::TextBoxSpec& design)
    : ControlOf(window, hwnd, design.tabIndex) {
  if (design.maxLength > 0)
    SendMessageA(hwnd, EM_SETLIMITTEXT, WPARAM(design.maxLength), 0);
  // ANSI, so that typed characters are in the ANSI code page.
  editProcedure_ = Subclass(hwnd, this, &Procedure, false);
}

Win32TextBox::~Win32TextBox() { Unsubclass(hwnd_, &Procedure, editProcedure_, false); }

void Win32TextBox::SetSelection(int start, int length) {
  SendMessageA(hwnd_, EM_SETSEL, WPARAM(start), LPARAM(start + length));
}

int Win32TextBox::SelectionStart() const {
  DWORD start = 0, end = 0;
  SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return int(start);
}

int Win32TextBox::SelectionLength() const {
  DWORD start = 0, end = 0;
  SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return int(end - start);
}

void Win32TextBox::OnCommand(WORD code) {
  if (code == EN_SETFOCUS) RunHandler(gotFocus_);
}

LRESULT CALLBACK Win32TextBox::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  return Dispatch(hwnd, message, wParam, lParam, &Win32TextBox::HandleMessage);
}

LRESULT Win32TextBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      return OnChar(wParam, lParam);
    default:
      return CallWindowProcA(editProcedure_, hwnd_, message, wParam, lParam);
  }
}

// The key filter sees the character first, whole: a character beyond one
// byte (a double-byte one) must not pass for the letter in its low byte. 0
// discards it, another code replaces it.
LRESULT Win32TextBox::OnChar(WPARAM wParam, LPARAM lParam) {
  if (keyPress_) {
    // Beyond 16 bits no key the filter takes: discarded.
    auto key = static_cast<std::int16_t>(wParam > 0xFFFF ? 0 : wParam);
    RunHandler(keyPress_, key);
    if (key == 0) return 0;
    wParam = std::uint16_t(key);
  }
  return CallWindowProcA(editProcedure_, hwnd_, WM_CHAR, wParam, lParam);
}

// --- Timer ------------------------------------------------------------------------

Win32Timer::Win32Timer(HWND window, UINT_PTR id, unsigned intervalMs, bool enabled)
    : window_(window), id_(id), intervalMs_(intervalMs) {
  SetEnabled(enabled);
}

Win32Timer::~Win32Timer() {
  if (enabled_ && IsWindow(window_)) KillTimer(window_, id_);
}

void Win32Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled)
    SetTimer(window_, id_, intervalMs_, nullptr);
  else
    KillTimer(window_, id_);
}

// A tick already queued when the timer was switched off is dropped.
void Win32Timer::Tick() {
  if (enabled_) RunHandler(tick_);
}

}  // namespace slotmate::win32
