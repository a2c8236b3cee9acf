#pragma once

// What the Windows tests of the toolkit share: a toolkit, a way to reach a
// control's window, and helpers that act as the user or the system would.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/twips.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window.h"

namespace slotmate::win32 {

inline bool operator==(const PixelRect& a, const PixelRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

inline void PrintTo(const PixelRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

}  // namespace slotmate::win32

namespace slotmate::win32::testing_support {

inline HWND HwndOf(platform::Control& control) {
  return dynamic_cast<ControlCore&>(control).hwnd();
}

inline HWND HwndOf(platform::Window& window) {
  return reinterpret_cast<HWND>(window.Handle());
}

inline std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof(name));
  return name;
}

inline std::string TextOf(HWND hwnd) {
  char text[512] = {};
  GetWindowTextA(hwnd, text, sizeof(text));
  return text;
}

inline LONG StyleOf(HWND hwnd) { return GetWindowLongA(hwnd, GWL_STYLE); }
inline LONG ExStyleOf(HWND hwnd) { return GetWindowLongA(hwnd, GWL_EXSTYLE); }

// A child's rectangle in its parent's client coordinates.
inline PixelRect RectInParent(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The controls Tab visits from `first`, `count` of them.
inline std::vector<HWND> TabOrder(HWND dialog, HWND first, int count) {
  std::vector<HWND> order;
  for (HWND at = first; int(order.size()) < count;
       at = GetNextDlgTabItem(dialog, at, FALSE))
    order.push_back(at);
  return order;
}

// The text of a control's tool in its window's tooltip control.
inline std::string ToolTipText(platform::Window& window, platform::Control& control) {
  char text[256] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = HwndOf(window);
  tool.uId = reinterpret_cast<UINT_PTR>(HwndOf(control));
  tool.lpszText = text;
  SendMessageA(dynamic_cast<Win32Window&>(window).ToolTips(), TTM_GETTEXTA, sizeof(text),
               reinterpret_cast<LPARAM>(&tool));
  return text;
}

// Counts the Delete keys that reach a control, through a subclass.
class DeleteKeyCounter {
 public:
  explicit DeleteKeyCounter(HWND control) : control_(control) {
    SetWindowSubclass(control_, &Procedure, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
  }
  ~DeleteKeyCounter() { RemoveWindowSubclass(control_, &Procedure, kSubclassId); }
  DeleteKeyCounter(const DeleteKeyCounter&) = delete;
  DeleteKeyCounter& operator=(const DeleteKeyCounter&) = delete;
  int count = 0;

 private:
  static constexpr UINT_PTR kSubclassId = 1;
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) {
    if (message == WM_KEYDOWN && wParam == VK_DELETE)
      ++reinterpret_cast<DeleteKeyCounter*>(self)->count;
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  HWND control_;
};

// Drops whatever the test left queued, WM_QUIT included.
inline void DrainMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

// Runs `action` from a thread timer once the toolkit's modal loop (or any
// loop that dispatches) is running; the loop calls it every few
// milliseconds until it returns true.
class LoopScript {
 public:
  explicit LoopScript(std::function<bool()> action) {
    Current() = std::move(action);
    timer_ = SetTimer(nullptr, 0, kPeriodMs, &Tick);
  }
  ~LoopScript() {
    if (timer_) KillTimer(nullptr, timer_);
    Current() = nullptr;
  }
  LoopScript(const LoopScript&) = delete;
  LoopScript& operator=(const LoopScript&) = delete;

 private:
  static constexpr UINT kPeriodMs = 10;
  static std::function<bool()>& Current() {
    static std::function<bool()> action;
    return action;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    if (Current() && Current()()) {
      Current() = nullptr;
      KillTimer(nullptr, id);
    }
  }
  UINT_PTR timer_ = 0;
};

// A toolkit for one test; nothing it queued outlives the test.
class ToolkitTest : public ::testing::Test {
 protected:
  ~ToolkitTest() override { DrainMessages(); }
  Win32Toolkit toolkit;
  void Pump() { toolkit.PumpPending(); }
};

}  // namespace slotmate::win32::testing_support
