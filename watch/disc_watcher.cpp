#include <algorithm>
#include <cctype>
#include <string>

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

std::string Lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

// One poll of the CD-ROM drives. A disc that is present where the previous
// poll found none goes to the card switcher once; it is handled again only
// after a poll has found every drive empty. (Clearing the memory at each
// empty drive instead would switch a disc behind an empty drive every poll.)
void formSlotmate::Timer1_Timer() {
  // A message box shown by the card switcher lets ticks and announcements
  // through; a poll inside a poll would switch the same disc twice. A disc
  // announced meanwhile is polled for once the box is gone.
  if (polling_) return;
  do {
    announcedInPoll_ = false;
    FlagGuard polling(polling_);
    PollDrives();
  } while (announcedInPoll_);
}

void formSlotmate::PollDrives() {
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
      if (!DiscSeen && !ShiftHeld(platform_.keyboard) &&
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
// announce nothing).
void formSlotmate::MediaChanged(std::uint32_t unitMask) {
  if (!Timer1.Enabled()) return;
  for (const std::string& drive : CdDrives) {
    const int unit = std::toupper(static_cast<unsigned char>(drive[0])) - 'A';
    if (unit >= 0 && unit < 32 && ((unitMask >> unit) & 1u) != 0) {
      if (polling_) announcedInPoll_ = true;
      Timer1_Timer();
      return;
    }
  }
}

}  // namespace slotmate
