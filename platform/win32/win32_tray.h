#pragma once

#include "platform/tray.h"

namespace slotmate::win32 {

class Win32Tray : public platform::Tray {
 public:
  bool NotifyIcon(std::uint32_t message, const platform::NotifyIconData& data) override;
  bool ShowBalloon(const platform::NotifyIconData& data, const std::string& title,
                   const std::string& text) override;
};

}  // namespace slotmate::win32
