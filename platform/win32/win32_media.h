#pragma once

#include "platform/media.h"

namespace slotmate::win32 {

class Win32MediaControl : public platform::MediaControl {
 public:
  std::uint32_t SendString(const std::string& command, char* reply,
                           unsigned replyLength) override;
};

}  // namespace slotmate::win32
