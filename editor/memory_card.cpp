#include "editor/memory_card.h"

namespace slotmate {

std::string BlankMemoryCardImage() {
  // "VgsM", then the little-endian numbers 1, 1, 1 and 512.
  static constexpr char kHeader[] = {'V', 'g', 's', 'M', 1, 0, 0, 0, 1,
                                     0,   0,   0,   1,   0, 0, 0, 0, 2};
  std::string image(kMemoryCardSize, '\0');
  image.replace(0, sizeof kHeader, kHeader, sizeof kHeader);
  return image;
}

}  // namespace slotmate
