#include "platform/win32/win32_picture.h"

#include <cstring>

#include "platform/win32/win32_window.h"

namespace slotmate::win32 {
namespace {

constexpr int kHimetricPerInch = 2540;

}  // namespace

LRESULT CALLBACK PictureProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                  LPARAM lParam) noexcept {
  if (message != WM_PAINT) return DefWindowProcA(hwnd, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  if (auto* self =
          reinterpret_cast<Win32Picture*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)))
    self->Paint(dc);
  EndPaint(hwnd, &paint);
  return 0;
}

ATOM RegisterPictureClass(HINSTANCE instance) {
  WNDCLASSEXA pictureClass{};
  pictureClass.cbSize = sizeof(pictureClass);
  pictureClass.lpfnWndProc = &PictureProcedure;
  pictureClass.hInstance = instance;
  pictureClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  pictureClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  pictureClass.lpszClassName = kPictureClassName;
  return RegisterClassExA(&pictureClass);
}

void LoadResourcePicture(HINSTANCE instance, int resourceId, ComRef<IPicture>& picture) {
  picture.reset();
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), RT_RCDATA);
  if (!resource) return;
  const DWORD size = SizeofResource(instance, resource);
  HGLOBAL loaded = LoadResource(instance, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return;
  // OleLoadPicture reads from a stream; the stream frees the copy.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  ComRef<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, stream.put()))) {
    GlobalFree(copy);
    return;
  }
  if (FAILED(OleLoadPicture(stream.get(), LONG(size), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(picture.put()))))
    picture.reset();
}

Win32Picture::Win32Picture(Win32Window& window, HWND hwnd, int tabIndex, int resourceId)
    : ControlOf(window, hwnd, tabIndex) {
  window.toolkit().StartOle();  // the decoder's
  LoadResourcePicture(window.toolkit().Instance(), resourceId, picture_);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  InvalidateRect(hwnd, nullptr, TRUE);
}

SIZE Win32Picture::PixelSize() const {
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  if (!picture_) return {0, 0};
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  const int dpi = window_.toolkit().Dpi();
  return {MulDiv(width, dpi, kHimetricPerInch), MulDiv(height, dpi, kHimetricPerInch)};
}

// Drawn at its own size from the top left corner, never stretched.
void Win32Picture::Paint(HDC dc) {
  if (!picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  const SIZE pixels = PixelSize();
  // The source rectangle is in HIMETRIC, measured upwards from the bottom.
  picture_->Render(dc, 0, 0, pixels.cx, pixels.cy, 0, height, width, -height, nullptr);
}

}  // namespace slotmate::win32
