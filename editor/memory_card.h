#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/files.h"

namespace slotmate {

// A memory card file as the emulator writes it: a small header, then the
// card's 128 KiB of data.
inline constexpr std::size_t kMemoryCardSize = 131136;

// The bytes of a freshly formatted, empty card.
std::string BlankMemoryCardImage();

// The folders a file's path names below its drive, outermost first, with a
// slash read as a backslash: C:\VGS\New\x.mem gives C:\VGS and C:\VGS\New.
std::vector<std::string> FoldersAbove(std::string path);

// Writes a blank memory card at `filename`, creating its folders first,
// unless a card is there. True when a card is there afterwards; false on
// failure, with the system's reason in `why` when it gave one.
bool CreateMemoryCard(platform::Files& files, const std::string& filename,
                      std::string* why = nullptr);

}  // namespace slotmate
