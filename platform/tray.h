#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace slotmate::platform {

inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimDelete = 2;
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

// The first form of NOTIFYICONDATAA, field for field (88 bytes in a 32-bit
// build; the Windows layer hands the system its size for the build).
struct NotifyIconData {
  std::uint32_t cbSize = 0;
  WindowHandle hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  IconHandle hIcon = 0;
  std::array<char, 64> szTip{};
};

class Tray {
 public:
  virtual ~Tray() = default;
  // Shell_NotifyIconA; true on success.
  virtual bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) = 0;
  // A balloon with an information icon from the icon that `data` names, which
  // tells without taking the focus; texts longer than the shell takes are cut.
  // True when the player will see it: false when the icon is not in the
  // tray, or when the shell holds balloons back (quiet hours, a full-screen
  // program, notifications turned off).
  virtual bool ShowBalloon(const NotifyIconData& data, const std::string& title,
                           const std::string& text) = 0;
};

}  // namespace slotmate::platform
