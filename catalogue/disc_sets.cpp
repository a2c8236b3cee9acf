#include "catalogue/disc_sets.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "common/text.h"

namespace slotmate {
namespace {

// kPrefixes, kDiscs (sorted) with kGames beside them, kTitleEnds and kTitles,
// made by cmake/disc_sets.cmake.
#include "catalogue/disc_sets_table.inc"

static_assert(std::size(kTitleEnds) <= 0x10000, "kGames holds 16-bit game numbers");

// The ID packed as the table packs it; nullopt for an ID of another form or
// with a prefix that no disc of the table has.
std::optional<std::uint32_t> Packed(std::string_view id) {
  if (id.size() != kIdLength || id[4] != '-') return std::nullopt;
  char prefix[4];
  for (int i = 0; i < 4; ++i) prefix[i] = UpperAscii(id[i]);
  const auto* place = std::find(std::begin(kPrefixes), std::end(kPrefixes),
                                std::string_view(prefix, sizeof prefix));
  if (place == std::end(kPrefixes)) return std::nullopt;
  std::uint32_t number = 0;
  for (const char digit : id.substr(5)) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * 10 + std::uint32_t(digit - '0');
  }
  return std::uint32_t(place - std::begin(kPrefixes)) << kNumberBits | number;
}

}  // namespace

std::optional<int> GameOfDisc(std::string_view id) {
  const std::optional<std::uint32_t> packed = Packed(id);
  if (!packed) return std::nullopt;
  const auto* disc = std::lower_bound(std::begin(kDiscs), std::end(kDiscs), *packed);
  if (disc == std::end(kDiscs) || *disc != *packed) return std::nullopt;
  return kGames[disc - std::begin(kDiscs)];
}

bool SameGame(std::string_view a, std::string_view b) {
  const std::optional<int> game = GameOfDisc(a);
  return game && game == GameOfDisc(b);
}

std::string_view GameTitle(int game) {
  if (game < 0 || game >= int(std::size(kTitleEnds))) return {};
  const std::uint32_t begin = game == 0 ? 0 : kTitleEnds[game - 1];
  return {reinterpret_cast<const char*>(kTitles) + begin, kTitleEnds[game] - begin};
}

}  // namespace slotmate
