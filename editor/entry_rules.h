#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The rules a catalogue entry is checked and completed by, on plain text so
// they can be used without the dialog.
namespace slotmate::entry {

inline constexpr char kEnterTitle[] = "Enter a game title.";
inline constexpr char kNoRegionCode[] =
    "The game id is invalid. It should include US, ES, PM or PS code.";
inline constexpr char kBadIdFormat[] =
    "The game id is invalid. It should have the format Szxx-00000.\r\n"
    "Where z is L or C, and xx is: \r\n"
    "US for NTSC (US and Canada)\r\n"
    "ES for PAL (Europe)\r\n"
    "PS for JAP (Japan)";
inline constexpr char kInvalidCharacters[] = "Invalid characters in filename.";
inline constexpr char kCreateCardQuestion[] = "Do you want to create this memory card?";
inline constexpr char kInvalidCard[] = "Invalid memory card";
inline constexpr char kIdNotFound[] = "Game ID not found.";
inline constexpr char kFileDialogMissing[] =
    "The system's file dialog (comdlg32.dll) could not be loaded. Type the memory "
    "card's path instead.";
inline constexpr char kFileNameTooLong[] =
    "The file name is too long: a memory card's full path can have at most 259 "
    "characters. Choose a card with a shorter path.";

// The key the game code box takes for a typed key: digits, Backspace and the
// characters of "SLUS-", "SCES-", "SLPM-"... pass (their letters in upper
// case); every other key becomes 0, which discards it.
std::int16_t FilterCodeKey(std::int16_t keyAscii);

// The ID names a region: it holds "US-", "ES-", "PM-" or "PS-" in any case.
bool HasRegionCode(std::string_view id);
// The ID has the form SLUS-00453 (upper case, exactly).
bool HasIdFormat(std::string_view id);

// The path cannot name a memory card: a character Windows refuses (control
// characters included), a double
// backslash past the start, no drive letter, or not a .mem file at a drive's
// root or below.
bool InvalidPath(std::string_view path);

// The text without the characters a file name cannot hold (; : < > | ? * "
// and control characters).
std::string CleanFileName(std::string_view text);

// What the user is told when something at a card's path cannot be examined:
// it may be a card, so it is neither offered for creation nor replaced.
std::string CardNotExamined(const std::string& path, const std::string& reason);

// The title given to a game added from the disc when none was typed.
std::string NewGameTitle(int rows);
// Where a game's memory card goes when it has none yet.
std::string ProposedCardPath(std::string_view title);

}  // namespace slotmate::entry
