#include "watch/disc_watcher.h"

#include <algorithm>

#include "common/text.h"
#include "platform/files.h"

namespace slotmate {
namespace {

// The media control reply: "true" and its NUL fit, and "false" and its NUL
// fill it exactly.
constexpr unsigned kReplyLength = 6;

// The drive's bit in the system's masks of drives: A: is bit 0. The
// CD-ROM drives are C: to Z:.
std::uint32_t UnitBit(const std::string& drive) { return 1u << (drive[0] - 'A'); }

}  // namespace

bool ShiftHeld(platform::Keyboard& keyboard) {
  // Bit 15: the key is down now (0x8000 or 0x8001 as a signed number).
  return keyboard.AsyncKeyState(platform::kVkShift) <= -32767;
}

bool DiscWatcher::FindCdDrives(platform::Drives& drives) {
  // A and B are never CD-ROM drives.
  for (char letter = 'Z'; letter >= 'C'; --letter) {
    const std::string drive = std::string(1, letter) + ":";
    if (drives.DriveType(drive + "\\") == platform::kDriveCdrom)
      cdDrives_.push_back(drive);
  }
  return !cdDrives_.empty();
}

std::uint32_t DiscWatcher::OurUnits(std::uint32_t units) const {
  std::uint32_t ours = 0;
  for (const std::string& drive : cdDrives_) ours |= UnitBit(drive) & units;
  return ours;
}

bool DiscWatcher::MediaPresent(const std::string& drive, bool& noMediaControl) {
  // Cleared for each drive, so that no drive reads another's reply.
  char reply[kReplyLength] = {};
  if (media_.SendString("open " + drive + " Type cdaudio Alias cdvgs wait", reply,
                        kReplyLength) == platform::kMciCannotLoadDriver)
    noMediaControl = true;
  media_.SendString("status cdvgs media present wait", reply, kReplyLength);
  // A status that got no answer leaves this drive's last one standing.
  const std::string answer =
      LowerAscii(std::string(reply, std::find(reply, reply + kReplyLength, '\0')));
  bool& hasMedia = hasMedia_[drive];
  if (answer == "true") hasMedia = true;
  if (answer == "false") hasMedia = false;
  media_.SendString("close cdvgs", reply, kReplyLength);
  return hasMedia;
}

DiscWatcher::Poll DiscWatcher::PollDrives(std::optional<std::uint32_t> arrived) {
  Poll poll;
  for (const std::string& drive : cdDrives_) {
    currentDrive_ = drive;
    if (!MediaPresent(drive, poll.noMediaControl)) continue;
    // A disc announced while a box was open is new: no poll saw the drive
    // empty, though its disc may have been swapped.
    const bool isNew = !discSeen_ || (arrived && (*arrived & UnitBit(drive)) != 0);
    if (isNew && !arrived) return poll;
    if (isNew && !ShiftHeld(keyboard_) &&
        NonEmptyFileExists(files_, drive + "\\system.cnf"))
      poll.newDisc = drive;
    discSeen_ = true;
    return poll;
  }
  discSeen_ = false;
  return poll;
}

}  // namespace slotmate
