#include "editor/memory_card.h"

#include <algorithm>

namespace slotmate {

std::string BlankMemoryCardImage() {
  // "VgsM", then the little-endian numbers 1, 1, 1 and 512.
  static constexpr char kHeader[] = {'V', 'g', 's', 'M', 1, 0, 0, 0, 1,
                                     0,   0,   0,   1,   0, 0, 0, 0, 2};
  std::string image(kMemoryCardSize, '\0');
  image.replace(0, sizeof kHeader, kHeader, sizeof kHeader);
  return image;
}

std::vector<std::string> FoldersAbove(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  std::vector<std::string> folders;
  for (auto slash = path.find('\\', 3); slash != std::string::npos;
       slash = path.find('\\', slash + 1))
    folders.push_back(path.substr(0, slash));
  return folders;
}

}  // namespace slotmate
