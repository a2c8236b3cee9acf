#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_toolkit.h"

namespace slotmate::win32 {

class Win32PopupMenu;

// A top-level window of the program: a fixed tool-window frame, controls
// laid out in twips, and the events of platform::Window.
class Win32Window : public platform::Window {
 public:
  Win32Window(Win32Toolkit& toolkit, const platform::WindowSpec& design);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  // The window object behind a handle of the program's window class.
  static Win32Window* FromHandle(HWND hwnd, const Win32Toolkit& toolkit);
  // The window procedure of the program's window class.
  static WNDPROC ClassProcedure() { return &Procedure; }

  platform::WindowHandle Handle() const override;
  platform::IconHandle Icon() const override;

  platform::Button& AddButton(const platform::ButtonSpec& design) override;
  platform::Label& AddLabel(const platform::LabelSpec& design) override;
  platform::TextBox& AddTextBox(const platform::TextBoxSpec& design) override;
  platform::ListBox& AddListBox(const platform::ControlSpec& design) override;
  platform::Picture& AddPicture(const platform::PictureSpec& design) override;
  platform::Timer& AddTimer(const std::string& name, unsigned intervalMs,
                            bool enabled) override;
  platform::PopupMenu& AddPopupMenu(
      const std::string& name, const std::vector<platform::MenuItemSpec>& items) override;

  void Show() override;
  void ShowInactive() override;
  void Hide() override;
  bool Visible() const override;
  void ShowModal(platform::Window& owner) override;
  void Close() override;

  void OnKeyDown(std::function<void(int keyCode, int shift)> handler) override {
    keyDown_ = std::move(handler);
  }
  void OnMouseMove(std::function<void(std::uint32_t lParam)> handler) override {
    mouseMove_ = std::move(handler);
  }
  void OnCloseRequest(std::function<bool(platform::UnloadMode)> handler) override {
    closeRequest_ = std::move(handler);
  }
  void OnTaskbarCreated(std::function<void()> handler) override {
    taskbarCreated_ = std::move(handler);
  }
  void OnMediaChange(std::function<void(std::uint32_t, bool)> handler) override {
    mediaChange_ = std::move(handler);
  }

  // Shows the window modally over any window (none: centred on the screen).
  void ShowModalOver(HWND owner);
  HWND hwnd() const { return hwnd_; }
  Win32Toolkit& toolkit() const { return toolkit_; }
  // Focuses a control now, or when the window shows if it is hidden.
  void FocusControl(HWND control);
  // Key preview: the window's key handler sees a key before its control.
  void PreviewKey(const MSG& msg);
  // Shows the mouse to the tooltips of this window's controls.
  void RelayToToolTips(const MSG& msg);
  // The window's tooltip control, made on first use.
  HWND ToolTips();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WORD id, WORD code);
  LRESULT OnCtlColorStatic(HDC dc, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnTimer(UINT_PTR id);
  bool OnSysCommand(WPARAM command);
  void OnActivate(bool active);
  LRESULT OnGetDefaultId();
  void OnEndSession(bool ending);
  void OnDeviceChange(WPARAM event, LPARAM data);
  // Posted to itself by OnDeviceChange, with the drives' unit mask.
  static constexpr UINT kMediaChanged = WM_APP + 1;
  void OnNcDestroy();

  static void WidenToFitText(HWND label, HFONT font, const std::string& text);
  HWND CreateChild(const char* windowClass, const platform::ControlSpec& design,
                   DWORD style, DWORD exStyle, int id, void* param = nullptr);
  template <class T>
  T& Adopt(std::unique_ptr<T> control);
  void ApplyTabOrder();
  void RequestClose(platform::UnloadMode mode);
  void CentreOn(const RECT& area);
  void FocusOnShow();
  int NextId() { return nextId_++; }

  Win32Toolkit& toolkit_;
  platform::WindowSpec spec_;
  HWND hwnd_ = nullptr;
  OwnedIcon bigIcon_;
  OwnedIcon smallIcon_;
  HWND toolTips_ = nullptr;
  std::vector<std::unique_ptr<ControlCore>> controls_;
  std::vector<std::unique_ptr<Win32Timer>> timers_;
  std::vector<std::unique_ptr<Win32PopupMenu>> menus_;
  int nextId_ = 100;
  int defaultButtonId_ = 0;
  bool modal_ = false;
  HWND pendingFocus_ = nullptr;  // set while hidden, applied on show
  HWND lastFocus_ = nullptr;     // restored when the window is activated again

  std::function<void(int, int)> keyDown_;
  std::function<void(std::uint32_t)> mouseMove_;
  std::function<bool(platform::UnloadMode)> closeRequest_;
  std::function<void()> taskbarCreated_;
  std::function<void(std::uint32_t, bool)> mediaChange_;
};

}  // namespace slotmate::win32
