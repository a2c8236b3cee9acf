#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "catalogue/catalogue.h"
#include "platform/files.h"
#include "platform/locale.h"

namespace slotmate {

// "Add New Games": a disc whose game has no entry gets one, with a card of
// its own. One entry a game: the other discs of a game on several discs find
// it through the catalogue.
class NewGames {
 public:
  NewGames(Catalogue& catalogue, platform::Files& files, platform::Locale& locale)
      : catalogue_(catalogue), files_(files), locale_(locale) {}

  struct Added {
    std::optional<std::size_t> entry;  // the entry added, if one was
    std::string news;                  // what the player is told; may be empty
  };
  // Adds the game of disc `id`, which no entry has.
  Added AddNewGame(const std::string& id);

 private:
  Catalogue& catalogue_;
  platform::Files& files_;
  platform::Locale& locale_;
  bool toldIncomplete_ = false;  // that no new games are added in this run
};

}  // namespace slotmate
