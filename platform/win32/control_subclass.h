#pragma once

// What the controls' files share: their tooltips and their subclassing.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/win32/win32_window.h"

namespace slotmate::win32 {

// Adds or updates the tooltip of a control in its window's tooltip control.
inline void SetControlToolTip(Win32Window& window, HWND control, const std::string& text,
                              bool add) {
  TTTOOLINFOA tool{};
  // The size every version of the common controls takes; the full record's
  // is refused by version 5, which serves a program whose manifest is not
  // honoured.
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  // The message loop relays the mouse to the tooltip: letting the tooltip
  // subclass the control instead makes every list message about a hundred
  // times slower under Wine (3 s to fill 32,767 rows instead of 30 ms).
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = window.hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(window.ToolTips(), add ? TTM_ADDTOOLA : TTM_UPDATETIPTEXTA, 0,
               reinterpret_cast<LPARAM>(&tool));
}

// A control subclassed by `self`: its procedure `ours`, reached through
// GWLP_USERDATA, goes over the system's, which is returned. `unicode` names the
// form in which `ours` takes its messages: the last procedure installed decides
// it (IsWindowUnicode), on Windows and Wine alike, whatever the control was
// created with, and the system converts the messages sent in the other form.
template <class Control>
WNDPROC Subclass(HWND hwnd, Control* self, WNDPROC ours, bool unicode) {
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  const auto set = unicode ? &SetWindowLongPtrW : &SetWindowLongPtrA;
  return reinterpret_cast<WNDPROC>(
      set(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ours)));
}

// Gives the control back its `original` procedure, unless another has come
// over `ours` since.
inline void Unsubclass(HWND hwnd, WNDPROC ours, WNDPROC original, bool unicode) {
  const auto get = unicode ? &GetWindowLongPtrW : &GetWindowLongPtrA;
  if (IsWindow(hwnd) && get(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ours)) {
    (unicode ? &SetWindowLongPtrW : &SetWindowLongPtrA)(
        hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  }
}

// A subclassed control's message to its `handle`; no exception leaves it.
template <class Control>
LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                 LRESULT (Control::*handle)(UINT, WPARAM, LPARAM)) noexcept {
  auto* self = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self)
    return (IsWindowUnicode(hwnd) ? &DefWindowProcW : &DefWindowProcA)(hwnd, message,
                                                                       wParam, lParam);
  try {
    return (self->*handle)(message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

}  // namespace slotmate::win32
