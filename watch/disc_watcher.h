#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/files.h"
#include "platform/keyboard.h"
#include "platform/media.h"

namespace slotmate {

// Whether Shift is held down now.
bool ShiftHeld(platform::Keyboard& keyboard);

// Watches the CD-ROM drives and reports a disc newly put into one. A disc
// counts as new where the previous poll found none; it is reported once, and
// again only after a poll has found every drive empty. (Forgetting at each
// empty drive instead would report a disc behind an empty drive every poll.)
class DiscWatcher {
 public:
  DiscWatcher(platform::MediaControl& media, platform::Keyboard& keyboard,
              platform::Files& files)
      : media_(media), keyboard_(keyboard), files_(files) {}

  // Finds the CD-ROM drives, C: to Z:, highest letter first; false when the
  // machine has none.
  bool FindCdDrives(platform::Drives& drives);

  struct Poll {
    // The drive ("E:") where a disc with a boot file has newly gone in while
    // Shift was not held.
    std::optional<std::string> newDisc;
    // The system's media control cannot be loaded: no drive can be asked.
    bool noMediaControl = false;
  };
  // One pass over the drives. A disc in a drive of `arrived` (one bit a
  // drive, A: first: the system announced it) counts as new. With no
  // `arrived` (while a box is open) the drives are asked all the same, so
  // that a drive seen empty is remembered, but a new disc is left new for
  // the next poll that has them.
  Poll PollDrives(std::optional<std::uint32_t> arrived);

  // The drive that ended the last poll: the first with a disc, or else the
  // last drive. Get it! reads the disc there.
  const std::string& CurrentDrive() const { return currentDrive_; }
  // The drives' bits among `units` (A: is bit 0).
  std::uint32_t OurUnits(std::uint32_t units) const;

 private:
  platform::MediaControl& media_;
  platform::Keyboard& keyboard_;
  platform::Files& files_;
  std::vector<std::string> cdDrives_;  // "E:", highest letter first
  std::string currentDrive_;
  bool discSeen_ = false;  // the previous poll found a disc
  // Each drive's last answer to the media query: a drive that does not
  // answer keeps its own, never another drive's.
  std::map<std::string, bool> hasMedia_;

  // The drive's answer to the media query, or its last one.
  bool MediaPresent(const std::string& drive, bool& noMediaControl);
};

}  // namespace slotmate
