#pragma once

#include <windows.h>

#include "platform/types.h"

namespace slotmate::win32 {

inline constexpr int kTwipsPerInch = 1440;

// The one conversion from layout units to pixels: MulDiv rounds to the
// nearest pixel, so -15 twips is -1 pixel at 96 dpi.
inline int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, kTwipsPerInch); }

// Left, top, width and height in pixels.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline PixelRect TwipsToPixels(const platform::TwipsRect& rect, int dpi) {
  return {TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
          TwipsToPixels(rect.width, dpi), TwipsToPixels(rect.height, dpi)};
}

// The screen's logical dots per inch, as the system reports them to a
// DPI-aware program.
inline int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace slotmate::win32
