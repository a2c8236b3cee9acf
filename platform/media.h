#pragma once

#include <cstdint>
#include <string>

namespace slotmate::platform {

// MCIERR_CANNOT_LOAD_DRIVER: the media control itself could not be loaded.
inline constexpr std::uint32_t kMciCannotLoadDriver = 266;

class MediaControl {
 public:
  virtual ~MediaControl() = default;
  // Runs one media control command string, as mciSendStringA does: the reply
  // is written into `reply` (at most `replyLength` characters including its
  // terminating zero) and the command's error code is returned (0 = success;
  // kMciCannotLoadDriver for every command when there is no media control).
  virtual std::uint32_t SendString(const std::string& command, char* reply,
                                   unsigned replyLength) = 0;
};

}  // namespace slotmate::platform
