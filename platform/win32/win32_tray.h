#pragma once

#include "platform/tray.h"

namespace slotmate::win32 {

class Win32Tray : public platform::Tray {
 public:
  bool NotifyIcon(std::uint32_t message, const platform::NotifyIconData& data) override;
};

}  // namespace slotmate::win32
