#pragma once

#include <cstdint>

namespace slotmate::platform {

// Opaque system handles. They carry the raw value of a window, icon, registry
// key or module handle so the portable code can store and pass them on
// without knowing what they are.
using WindowHandle = std::uintptr_t;
using IconHandle = std::uintptr_t;
using RegistryKey = std::uintptr_t;
using InstanceHandle = std::uintptr_t;

// A rectangle in twips (1/1440 inch), relative to a window's client area.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

}  // namespace slotmate::platform
