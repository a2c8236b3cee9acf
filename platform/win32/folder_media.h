#pragma once

#include <string>

#include "platform/media.h"

namespace slotmate::win32 {

// Wine's real media query answers "present" for a folder drive whether or not
// it holds anything, so end-to-end runs use this one: a drive holds a disc
// while its root folder has at least one entry.
//
// It understands only the three commands the program sends:
//   "open E: Type cdaudio Alias cdvgs wait", "status cdvgs media present wait"
//   and "close cdvgs". Anything else fails and leaves the reply untouched.
class FolderMediaControl : public platform::MediaControl {
 public:
  std::uint32_t SendString(const std::string& command, char* reply,
                           unsigned replyLength) override;

 private:
  std::string openDrive_;  // "E:" while the alias is open, else empty
};

}  // namespace slotmate::win32
