#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"

namespace slotmate {

// The first line of a text: it ends at a CR (alone or before an LF); an LF
// alone does not end it.
std::string_view FirstTextLine(std::string_view text);

// The game ID named by a boot file's first line, such as SLUS-00453 for
// "BOOT = cdrom:\SLUS_004.53;1"; empty when the line has no "cdrom:" or no S
// in the boot executable's name and after it.
std::string GameIdFromBootLine(std::string_view line);

// The game ID of the disc in `drive` ("E:"), from its boot file; empty when
// the drive holds no disc, or the disc no boot file that names a game.
std::string GetID(platform::Files& files, const std::string& drive);

}  // namespace slotmate
