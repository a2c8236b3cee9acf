#pragma once

#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include "platform/toolkit.h"
#include "platform/win32/win32_controls.h"

namespace slotmate::win32 {

// Owns one reference to a COM object.
template <class Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { reset(); }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  Interface* get() const { return object_; }
  Interface* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // For functions that hand out a new reference.
  Interface** put() {
    reset();
    return &object_;
  }
  void reset() {
    if (object_) object_->Release();
    object_ = nullptr;
  }

 private:
  Interface* object_ = nullptr;
};

inline constexpr char kPictureClassName[] = "SlotmatePicture";

// Registers the window class of picture controls.
ATOM RegisterPictureClass(HINSTANCE instance);

// Loads an embedded picture (GIF, JPEG, BMP, ...) from an RCDATA resource
// with the system's own decoder; empty when it cannot.
void LoadResourcePicture(HINSTANCE instance, int resourceId, ComRef<IPicture>& picture);

// Shows an embedded picture at its own size; transparent parts show the
// window's background.
class Win32Picture : public ControlOf<platform::Picture> {
 public:
  Win32Picture(Win32Window& window, HWND hwnd, int tabIndex, int resourceId);
  void SetText(const std::string&) override {}
  std::string Text() const override { return {}; }
  void SetFocus() override {}
  bool HasPicture() const { return bool(picture_); }
  // The picture's size in pixels at the screen's resolution.
  SIZE PixelSize() const;

 private:
  friend LRESULT CALLBACK PictureProcedure(HWND, UINT, WPARAM, LPARAM) noexcept;
  void Paint(HDC dc);

  ComRef<IPicture> picture_;
};

}  // namespace slotmate::win32
