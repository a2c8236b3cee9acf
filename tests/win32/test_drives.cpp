#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_drives.h"

namespace slotmate::win32 {
namespace {

// The test prefix maps E: and F: as CD-ROM folders; C: is Wine's own disk.
struct DriveCase {
  const char* root;
  unsigned type;
};

void PrintTo(const DriveCase& c, std::ostream* out) { *out << c.root[0]; }

class DriveTypeTest : public ::testing::TestWithParam<DriveCase> {};

TEST_P(DriveTypeTest, ReportsTheMappedType) {
  Win32Drives drives;
  EXPECT_EQ(drives.DriveType(GetParam().root), GetParam().type) << GetParam().root;
}

INSTANTIATE_TEST_SUITE_P(Mapped, DriveTypeTest,
                         ::testing::Values(DriveCase{"E:\\", DRIVE_CDROM},
                                           DriveCase{"F:\\", DRIVE_CDROM},
                                           DriveCase{"C:\\", DRIVE_FIXED},
                                           DriveCase{"Q:\\", DRIVE_NO_ROOT_DIR}),
                         [](const auto& info) {
                           return std::string(1, info.param.root[0]);
                         });

TEST(DriveScanTest, OnlyTheMappedDrivesAreCdromDrives) {
  Win32Drives drives;
  std::string cdroms;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (drives.DriveType(std::string(1, letter) + ":\\") == DRIVE_CDROM) cdroms += letter;
  }
  EXPECT_EQ(cdroms, "EF");
}

}  // namespace
}  // namespace slotmate::win32
