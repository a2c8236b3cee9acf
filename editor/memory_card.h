#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace slotmate {

// A memory card file as the emulator writes it: a small header, then the
// card's 128 KiB of data.
inline constexpr std::size_t kMemoryCardSize = 131136;

// The bytes of a freshly formatted, empty card.
std::string BlankMemoryCardImage();

// The folders a file's path names below its drive, outermost first, with a
// slash read as a backslash: C:\VGS\New\x.mem gives C:\VGS and C:\VGS\New.
std::vector<std::string> FoldersAbove(std::string path);

}  // namespace slotmate
