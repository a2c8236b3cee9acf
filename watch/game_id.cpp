#include "watch/game_id.h"

#include <algorithm>
#include <cctype>

#include "common/text.h"

namespace slotmate {
namespace {

// Boot files are a few lines long; anything past this cannot be a first line
// worth reading.
constexpr std::size_t kBootFileReadLimit = 64 * 1024;

std::size_t FindIgnoringCase(std::string_view text, std::string_view what,
                             std::size_t from = 0) {
  auto it = std::search(text.begin() + std::min(from, text.size()), text.end(),
                        what.begin(), what.end(),
                        [](char a, char b) { return UpperAscii(a) == UpperAscii(b); });
  return it == text.end() ? std::string_view::npos : std::size_t(it - text.begin());
}

// Where the boot executable's name starts: after the last backslash of the
// boot path, which runs from just after "cdrom:" to its file version (";"),
// a blank, a tab, a line feed or the end of the line. Starting there keeps
// an S in a folder name ("cdrom:\GAMES\SLUS_004.53;1") out of the ID.
std::size_t BootNameStart(std::string_view line, std::size_t pathStart) {
  std::size_t pathEnd = line.find_first_of("; \t\n", pathStart);
  if (pathEnd == std::string_view::npos) pathEnd = line.size();
  std::string_view path = line.substr(pathStart, pathEnd - pathStart);
  std::size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? pathStart : pathStart + slash + 1;
}

std::string_view Piece(std::string_view line, std::size_t at, std::size_t length) {
  return at >= line.size() ? std::string_view() : line.substr(at, length);
}

}  // namespace

std::string_view FirstTextLine(std::string_view text) {
  return text.substr(0, std::min(text.find('\r'), text.size()));
}

std::string GameIdFromBootLine(std::string_view line) {
  constexpr std::string_view kDevice = "cdrom:";
  std::size_t device = FindIgnoringCase(line, kDevice);
  if (device == std::string_view::npos) return "";
  std::size_t p =
      FindIgnoringCase(line, "S", BootNameStart(line, device + kDevice.size()));
  if (p == std::string_view::npos) return "";
  // SLUS_004.53: four letters, then three and two digits; the separators at
  // p + 4 and p + 8 are left out.
  std::string id;
  id.append(Piece(line, p, 4));
  id.push_back('-');
  id.append(Piece(line, p + 5, 3));
  id.append(Piece(line, p + 9, 2));
  std::transform(id.begin(), id.end(), id.begin(), [](char c) { return UpperAscii(c); });
  return id;
}

std::string GetID(platform::Files& files, const std::string& drive) {
  // A boot file that cannot be read whole names no game.
  auto text = files.Read(drive + "\\system.cnf", kBootFileReadLimit);
  if (text.failure) return "";
  return GameIdFromBootLine(FirstTextLine(text.bytes));
}

}  // namespace slotmate
