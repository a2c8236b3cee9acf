#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

#include "app/form_slotmate.h"
#include "common/flag_guard.h"
#include "common/skip_on_failure.h"

namespace slotmate {
namespace {

// The media control reply: "true" and its NUL fit, and "false" and its NUL
// fill it exactly.
constexpr unsigned kReplyLength = 6;

bool ShiftHeld(platform::Keyboard& keyboard) {
  // Bit 15: the key is down now (0x8000 or 0x8001 as a signed number).
  return keyboard.AsyncKeyState(platform::kVkShift) <= -32767;
}

// The drive's bit in the system's masks of drives: A: is bit 0. The
// CD-ROM drives are C: to Z:.
std::uint32_t UnitBit(const std::string& drive) { return 1u << (drive[0] - 'A'); }

std::string Lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

// One poll of the CD-ROM drives. A disc that is present where the previous
// poll found none goes to the card switcher once; it is handled again only
// after a poll has found every drive empty. (Clearing the memory at each
// empty drive instead would switch a disc behind an empty drive every poll.)
// While a box of the program is open the drives are still asked, so that a
// drive seen empty meanwhile is remembered, but nothing is switched or added:
// what the box's caller acts on must stay as the player saw it. One poll acts
// when the last box closes. Once the program is quitting, none runs.
void formSlotmate::Timer1_Timer() {
  if (quitting_ || polling_) return;
  FlagGuard polling(polling_);
  if (boxes_.open > 0) {
    pollDue_ = true;
    PollDrives(0, false);
    return;
  }
  pollDue_ = false;
  PollDrives(std::exchange(arrivedUnits_, {}), true);
}

void formSlotmate::LastBoxClosed() {
  if (pollDue_ && Timer1.Enabled()) SkipOnFailure([this] { Timer1_Timer(); });
}

void formSlotmate::PollDrives(std::uint32_t arrived, bool act) {
  if (ShiftHeld(platform_.keyboard) && TrayHidden) {
    TrayHidden = false;
    platform_.tray.NotifyIcon(platform::kNimAdd, TrayIcon);
  }

  for (const std::string& drive : CdDrives) {
    // Cleared for each drive, so that no drive reads another's reply.
    char reply[kReplyLength] = {};
    CurrentDrive = drive;
    auto& media = platform_.media;
    RetVal = std::int32_t(media.SendString(
        "open " + CurrentDrive + " Type cdaudio Alias cdvgs wait", reply, kReplyLength));
    // Then no drive can ever be asked. Told once: cards switch only by Select.
    if (RetVal == platform::kMciCannotLoadDriver &&
        !std::exchange(toldNoMediaControl_, true))
      Warn(kNoMediaControl);
    RetVal = std::int32_t(
        media.SendString("status cdvgs media present wait", reply, kReplyLength));
    // A status that got no answer leaves this drive's last one standing.
    std::string answer =
        Lower(std::string(reply, std::find(reply, reply + kReplyLength, '\0')));
    bool& hasMedia = driveHasMedia_[drive];
    if (answer == "true") hasMedia = true;
    if (answer == "false") hasMedia = false;
    MediaPresent = hasMedia;
    RetVal = std::int32_t(media.SendString("close cdvgs", reply, kReplyLength));

    if (MediaPresent) {
      // A disc announced while a box was open is new: no poll saw the drive
      // empty, though its disc may have been swapped.
      const bool isNew = !DiscSeen || (arrived & UnitBit(drive)) != 0;
      // Left new for the poll that acts.
      if (isNew && !act) return;
      if (isNew && !ShiftHeld(platform_.keyboard) &&
          FileExists(CurrentDrive + "\\system.cnf")) {
        // A failure inside the switch still leaves the disc handled.
        SkipOnFailure([this] { SwitchCard(); });
      }
      DiscSeen = true;
      return;
    }
  }
  DiscSeen = false;
}

// The system announced a disc arriving or leaving: a drive of ours is polled
// at once instead of at the next tick (which still comes, for drives that
// announce nothing), or when the last box closes.
void formSlotmate::MediaChanged(std::uint32_t unitMask, bool arrived) {
  if (!Timer1.Enabled()) return;
  std::uint32_t ours = 0;
  for (const std::string& drive : CdDrives) ours |= UnitBit(drive) & unitMask;
  if (ours == 0) return;
  if (arrived && boxes_.open > 0) arrivedUnits_ |= ours;
  Timer1_Timer();
}

}  // namespace slotmate
