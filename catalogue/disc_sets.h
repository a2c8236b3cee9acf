#pragma once

#include <optional>
#include <string_view>

namespace slotmate {

// The games on several discs, built in from data/disc-sets.txt. A game is
// its line's place in that file.

// The game a disc belongs to when it is one of several discs of one game.
std::optional<int> GameOfDisc(std::string_view id);  // ID compared ignoring letter case;
                                                     // nullopt for any ID in no set
bool SameGame(std::string_view a, std::string_view b);  // both discs of one game
std::string_view GameTitle(int game);                   // its title, UTF-8

}  // namespace slotmate
