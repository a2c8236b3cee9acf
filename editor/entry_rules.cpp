#include "editor/entry_rules.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/text.h"
#include "editor/pattern.h"

namespace slotmate::entry {
namespace {}  // namespace

std::int16_t FilterCodeKey(std::int16_t keyAscii) {
  constexpr std::string_view kKept = "CSLPEUM-0123456789\b";  // \b: Backspace
  constexpr std::string_view kRaised = "cslpeum";
  // Compared as numbers: a key beyond one byte never passes for the letter in
  // its low byte.
  const auto among = [keyAscii](std::string_view keys) {
    return std::find(keys.begin(), keys.end(), keyAscii) != keys.end();
  };
  if (among(kKept)) return keyAscii;
  if (among(kRaised)) return std::int16_t(keyAscii - 'a' + 'A');
  return 0;
}

bool HasRegionCode(std::string_view id) {
  constexpr std::array<std::string_view, 4> kRegions = {"us-", "es-", "pm-", "ps-"};
  std::string lower = LowerAscii(std::string(id));
  return std::any_of(kRegions.begin(), kRegions.end(), [&](std::string_view region) {
    return lower.find(region) != std::string::npos;
  });
}

bool HasIdFormat(std::string_view id) {
  return MatchesPattern(id, "S[LC][PEU][SM]-[0-9][0-9][0-9][0-9][0-9]");
}

bool InvalidPath(std::string_view path) {
  bool invalid = false;
  if (path.find_first_of(";<>|?*\"") != std::string_view::npos) invalid = true;
  // TAB, CR and LF among them: no file name holds one, and a row would split.
  if (std::any_of(path.begin(), path.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
    invalid = true;
  // A leading "\\" is a network path's prefix; anywhere else it is an error.
  std::size_t doubleSlash = path.find("\\\\");
  if (doubleSlash != std::string_view::npos && doubleSlash > 0) invalid = true;
  if (path.find(':') != 1) invalid = true;
  if (!MatchesPattern(LowerAscii(std::string(path)), "?:\\*.mem")) invalid = true;
  return invalid;
}

std::string CleanFileName(std::string_view text) {
  std::string clean(text);
  std::erase_if(clean, [](char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view(";:<>|?*\"").find(c) != std::string_view::npos;
  });
  return clean;
}

std::string CardNotExamined(const std::string& path, const std::string& reason) {
  return "The memory card could not be checked:\r\n" + path + "\r\n\r\n" + reason +
         "\r\n\r\nSlotmate leaves it as it is.";
}

std::string NewGameTitle(int rows) { return "New Game " + std::to_string(rows + 1); }

std::string ProposedCardPath(std::string_view title) {
  return "C:\\VGS\\" + CleanFileName(title) + ".mem";
}

}  // namespace slotmate::entry
