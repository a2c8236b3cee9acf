#include "watch/game_id.h"

#include <gtest/gtest.h>

namespace slotmate {
namespace {

struct BootCase {
  const char* name;
  std::string text;  // the whole boot file
  std::string id;
};

class GameIdTest : public testing::TestWithParam<BootCase> {};

TEST_P(GameIdTest, ReadsTheIdFromTheFirstLine) {
  const BootCase& c = GetParam();
  EXPECT_EQ(GameIdFromBootLine(FirstTextLine(c.text)), c.id);
}

INSTANTIATE_TEST_SUITE_P(
    BootLines, GameIdTest,
    testing::Values(
        BootCase{"Regular", "BOOT = cdrom:\\SLUS_004.53;1\r\nTCB = 4\r\n", "SLUS-00453"},
        BootCase{"LowerCase", "boot=cdrom:\\scus_944.91;1\r\n", "SCUS-94491"},
        BootCase{"TabBeforeEquals", "BOOT\t= cdrom:\\SLES_012.34;1\r\n", "SLES-01234"},
        BootCase{"NoFileVersion", "BOOT = cdrom:\\SLPS_012.34\r\n", "SLPS-01234"},
        BootCase{"NoBackslashAfterDevice", "BOOT = cdrom:SCES_000.01;1", "SCES-00001"},
        BootCase{"HyphenForUnderscore", "BOOT = cdrom:\\SLES-012.34;1", "SLES-01234"},
        BootCase{"FolderWithS", "BOOT = cdrom:\\GAMES\\SLUS_004.53;1", "SLUS-00453"},
        BootCase{"FolderWithoutS", "BOOT = cdrom:\\DATA\\SLUS_004.53;1", "SLUS-00453"},
        BootCase{"NestedFolders", "BOOT = cdrom:\\S1\\S2\\SCPS_100.01;1", "SCPS-10001"},
        BootCase{"DeviceZero", "BOOT = cdrom0:\\SLUS_004.53;1", ""},
        BootCase{"BootOnSecondLine", "TCB = 4\r\nBOOT = cdrom:\\SLUS_004.53;1\r\n", ""},
        BootCase{"EmptyFile", "", ""},
        BootCase{"LfOnlyFileReadsOnAsOneLine", "BOOT = cdrom:\\SLUS_004.53;1\nTCB = 4\n",
                 "SLUS-00453"},
        BootCase{"LfDoesNotEndTheFirstLine", "TCB = 4\nBOOT = cdrom:\\SLUS_004.53;1\n",
                 "SLUS-00453"},
        BootCase{"CrAloneEndsTheLine", "BOOT = cdrom:\\SLUS_004.53;1\rX", "SLUS-00453"},
        BootCase{"EndsRightAfterS", "BOOT = cdrom:\\S", "S-"},
        BootCase{"ShortName", "BOOT = cdrom:\\SLUS_0", "SLUS-0"},
        BootCase{"DeviceInUpperCase", "BOOT = CDROM:\\SLUS_004.53;1", "SLUS-00453"},
        BootCase{"NoS", "BOOT = cdrom:\\PAX.EXE;1", ""}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace slotmate
