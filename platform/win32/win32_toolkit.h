#pragma once

#include <windows.h>

#include <memory>

#include "platform/toolkit.h"
#include "platform/win32/unique_handle.h"

namespace slotmate::win32 {

inline void CloseFont(HFONT font) { DeleteObject(font); }
inline void CloseMenu(HMENU menu) { DestroyMenu(menu); }
inline void CloseIcon(HICON icon) { DestroyIcon(icon); }
using OwnedFont = UniqueHandle<HFONT, &CloseFont>;
using OwnedMenu = UniqueHandle<HMENU, &CloseMenu>;
using OwnedIcon = UniqueHandle<HICON, &CloseIcon>;

class Win32Window;

// Windows of the program's own window class, their fonts and the message
// loop that gives keys to the dialog manager.
class Win32Toolkit : public platform::Toolkit {
 public:
  explicit Win32Toolkit(HINSTANCE instance = GetModuleHandleA(nullptr));
  ~Win32Toolkit() override;
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  std::unique_ptr<platform::Window> NewWindow(
      const platform::WindowSpec& design) override;
  std::unique_ptr<Win32Window> NewWin32Window(const platform::WindowSpec& design);
  void RunMessageLoop() override;
  void Quit() override;

  // Passes one message through key preview and the dialog manager of its
  // top-level window, or dispatches it.
  void Deliver(MSG& msg);
  // Delivers every message already waiting; false when WM_QUIT was among
  // them (it is posted again for the loop that owns it).
  bool PumpPending();

  HINSTANCE Instance() const { return instance_; }
  int Dpi() const { return dpi_; }
  HFONT Font() const { return font_.get(); }
  HFONT UnderlinedFont() const { return underlinedFont_.get(); }
  // The height of a line of text in the font: a list row's height.
  UINT LineHeight() const { return lineHeight_; }
  UINT TaskbarCreatedMessage() const { return taskbarCreated_; }
  ATOM WindowClass() const { return windowClass_; }
  // OLE on this thread, started the first time it is needed (the editor's
  // picture), not at start-up; ended with the toolkit.
  void StartOle();

 private:
  HINSTANCE instance_;
  int dpi_;
  OwnedFont font_;
  OwnedFont underlinedFont_;
  UINT lineHeight_;
  UINT taskbarCreated_;
  ATOM windowClass_ = 0;
  ATOM pictureClass_ = 0;
  bool oleStarted_ = false;
};

}  // namespace slotmate::win32
