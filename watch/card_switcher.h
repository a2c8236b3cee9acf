#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace slotmate {

// Points the emulator's first memory card slot at a game's card: its
// registry value first, then the keys that make a running emulator take the
// card up.
class CardSwitcher {
 public:
  CardSwitcher(platform::Registry& registry, platform::Desktop& desktop,
               platform::Files& files)
      : registry_(registry), desktop_(desktop), files_(files) {}

  enum class Applied {
    kSwitched,    // the value written; a running emulator got the keys
    kNoCard,      // no card at the path (missing or empty): nothing done
    kNotWritten,  // the value could not be written: the emulator keeps its card
    kSameGame,    // another disc of the game in the slot: nothing to do
  };

  // Points the emulator at `card`, the card of the game of disc `id`.
  Applied ApplyCard(const std::string& card, std::string_view id);

  struct Switch {
    std::size_t entry;  // the disc's entry in the catalogue
    Applied applied;
  };
  // Finds the entry of the disc `id` and applies its card, except when the
  // disc is another disc of the game this run switched to last, its card is
  // the one this run applied last, and the emulator is running: the card is
  // in the slot already, and the keys would restart the game in progress.
  // Nothing when no entry is found.
  // `showSelected` shows the entry found before its card is applied.
  std::optional<Switch> SwitchCard(const Catalogue& catalogue, std::string_view id,
                                   const std::function<void(std::size_t)>& showSelected);

  // Keys have been sent to the emulator in this run.
  bool NudgedEmulator() const { return nudgedEmulator_; }

 private:
  platform::Registry& registry_;
  platform::Desktop& desktop_;
  platform::Files& files_;
  std::string lastDisc_;  // the disc whose game's card this run applied last
  std::string lastCard_;  // and that card
  bool nudgedEmulator_ = false;
};

}  // namespace slotmate
