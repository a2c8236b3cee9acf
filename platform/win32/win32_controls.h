#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/toolkit.h"

namespace slotmate::win32 {

class Win32Window;

// Runs an event handler; no exception leaves it, as handlers run inside
// window procedures.
template <class Handler, class... Args>
void RunHandler(const Handler& handler, Args&&... args) noexcept {
  if (!handler) return;
  try {
    handler(std::forward<Args>(args)...);
  } catch (...) {
    OutputDebugStringA("slotmate: an event handler failed\n");
  }
}

// What the window sees of each of its controls.
class ControlCore {
 public:
  ControlCore(Win32Window& window, HWND hwnd, int tabIndex)
      : window_(window), hwnd_(hwnd), tabIndex_(tabIndex) {}
  virtual ~ControlCore() = default;
  ControlCore(const ControlCore&) = delete;
  ControlCore& operator=(const ControlCore&) = delete;

  HWND hwnd() const { return hwnd_; }
  int tabIndex() const { return tabIndex_; }
  // A WM_COMMAND notification from the control.
  virtual void OnCommand(WORD /*code*/) {}
  // WM_CTLCOLORSTATIC: a brush to paint with, or nullptr for the default.
  virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }
  // WM_DRAWITEM for an owner-drawn control.
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // The mouse moved over the control, to `position` in its client area.
  virtual void OnMouseMove(LPARAM /*position*/) {}

 protected:
  Win32Window& window_;
  HWND hwnd_;
  int tabIndex_;
};

// The Control members every kind shares.
template <class Interface>
class ControlOf : public Interface, public ControlCore {
 public:
  using ControlCore::ControlCore;
  void SetText(const std::string& text) override { SetWindowTextA(hwnd_, text.c_str()); }
  std::string Text() const override {
    std::string text(GetWindowTextLengthA(hwnd_) + 1, '\0');
    text.resize(GetWindowTextA(hwnd_, text.data(), int(text.size())));
    return text;
  }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
  bool Enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetFocus() override;
};

class Win32Button : public ControlOf<platform::Button> {
 public:
  using ControlOf::ControlOf;
  void OnClick(std::function<void()> handler) override { click_ = std::move(handler); }
  void OnCommand(WORD code) override;

 private:
  std::function<void()> click_;
};

class Win32Label : public ControlOf<platform::Label> {
 public:
  Win32Label(Win32Window& window, HWND hwnd, const platform::LabelSpec& design);
  // Labels never take the focus.
  void SetFocus() override {}
  void OnClick(std::function<void()> handler) override { click_ = std::move(handler); }
  void OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;

 private:
  std::uint32_t textColor_;
  std::function<void()> click_;
};

class Win32TextBox : public ControlOf<platform::TextBox> {
 public:
  Win32TextBox(Win32Window& window, HWND hwnd, const platform::TextBoxSpec& design);
  ~Win32TextBox() override;
  void SetSelection(int start, int length) override;
  int SelectionStart() const override;
  int SelectionLength() const override;
  void OnGotFocus(std::function<void()> handler) override {
    gotFocus_ = std::move(handler);
  }
  void OnKeyPress(std::function<void(std::int16_t& keyAscii)> handler) override {
    keyPress_ = std::move(handler);
  }
  void OnCommand(WORD code) override;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnChar(WPARAM wParam, LPARAM lParam);

  WNDPROC editProcedure_ = nullptr;
  std::function<void()> gotFocus_;
  std::function<void(std::int16_t&)> keyPress_;
};

class Win32ListBox : public ControlOf<platform::ListBox> {
 public:
  Win32ListBox(Win32Window& window, HWND hwnd, int tabIndex);
  ~Win32ListBox() override;
  Win32ListBox(const Win32ListBox&) = delete;
  Win32ListBox& operator=(const Win32ListBox&) = delete;
  // The list's text is its selected row.
  void SetText(const std::string& text) override;
  std::string Text() const override;

  void ShowRows(const platform::ListRows& rows) override;
  void RowAdded() override;
  void RowChanged(int index) override;
  void RowRemoved(int index) override;
  int ListIndex() const override;
  void SetListIndex(int index) override;
  void SetToolTip(const std::string& text) override;
  std::string ToolTip() const override { return toolTip_; }
  void OnClick(std::function<void()> handler) override { click_ = std::move(handler); }
  void OnDblClick(std::function<void()> handler) override {
    dblClick_ = std::move(handler);
  }
  void OnCommand(WORD code) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;
  void OnMouseMove(LPARAM position) override;

 private:
  // Where a row's ID and title, and its card path, are drawn.
  struct Columns {
    RECT title;
    RECT path;
  };
  Columns ColumnsOf(const RECT& row) const;
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CopyRowText(WPARAM index, wchar_t* buffer) const;
  void SelectNextStartingWith(WPARAM character);
  // The rows the control holds, as many as the program's.
  int Count() const;
  // Whether the row's left or right text is wider than its column.
  bool IsShortened(std::size_t row) const;
  void CheckRow(int index) const;
  // Throws when the control refused a row (LB_ERR, LB_ERRSPACE: below 0).
  static void CheckTaken(LRESULT result);

  // The rows, kept once, by the program: the control holds an empty text for
  // each, and its text is read from here (LB_GETTEXT, LB_GETTEXTLEN), by
  // screen readers and by other programs alike.
  const platform::ListRows* rows_ = nullptr;
  WNDPROC listProcedure_ = nullptr;
  std::string toolTip_;
  std::string shownTip_;  // toolTip_, or the row under the mouse whole
  std::function<void()> click_;
  std::function<void()> dblClick_;
};

class Win32Timer : public platform::Timer {
 public:
  Win32Timer(HWND window, UINT_PTR id, unsigned intervalMs, bool enabled);
  ~Win32Timer() override;
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;

  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }
  void OnTimer(std::function<void()> handler) override { tick_ = std::move(handler); }
  UINT_PTR id() const { return id_; }
  void Tick();

 private:
  HWND window_;
  UINT_PTR id_;
  unsigned intervalMs_;
  bool enabled_ = false;
  std::function<void()> tick_;
};

}  // namespace slotmate::win32
