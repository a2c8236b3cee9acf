#pragma once

#include <string>

namespace slotmate::platform {

inline constexpr unsigned kDriveCdrom = 5;  // DRIVE_CDROM

class Drives {
 public:
  virtual ~Drives() = default;
  // The type of the drive whose root is given with its backslash ("E:\"),
  // as GetDriveTypeA answers it.
  virtual unsigned DriveType(const std::string& rootWithBackslash) = 0;
};

}  // namespace slotmate::platform
