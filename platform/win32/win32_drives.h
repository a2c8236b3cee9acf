#pragma once

#include "platform/drives.h"

namespace slotmate::win32 {

class Win32Drives : public platform::Drives {
 public:
  unsigned DriveType(const std::string& rootWithBackslash) override;
};

}  // namespace slotmate::win32
