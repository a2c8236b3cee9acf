#pragma once

#include <cstdint>
#include <string>

namespace slotmate::platform {

class MediaControl {
 public:
  virtual ~MediaControl() = default;
  // Runs one media control command string, as mciSendStringA does: the reply
  // is written into `reply` (at most `replyLength` characters including its
  // terminating zero) and the command's error code is returned (0 = success).
  virtual std::uint32_t SendString(const std::string& command, char* reply,
                                   unsigned replyLength) = 0;
};

}  // namespace slotmate::platform
