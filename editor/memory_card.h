#pragma once

#include <cstddef>
#include <string>

namespace slotmate {

// A memory card file as the emulator writes it: a small header, then the
// card's 128 KiB of data.
inline constexpr std::size_t kMemoryCardSize = 131136;

// The bytes of a freshly formatted, empty card.
std::string BlankMemoryCardImage();

}  // namespace slotmate
