#include "editor/memory_card.h"

#include <algorithm>

#include "common/skip_on_failure.h"

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

// A card is only ever written where none is: one that appeared meanwhile is
// kept, and counts as made. A card that cannot be written leaves no trace:
// the folders made for it go again, and folders that were there before stay.
bool CreateMemoryCard(platform::Files& files, const std::string& filename,
                      std::string* why) {
  std::vector<std::string> made;
  try {
    for (const std::string& folder : FoldersAbove(filename))
      if (!files.FolderExists(folder)) made.push_back(folder);
    // A folder that cannot be made shows up as a failed write below.
    files.MakeSureDirectoryPathExists(filename);
    const auto failure = files.CreateNew(filename, BlankMemoryCardImage());
    if (!failure || NonEmptyFileExists(files, filename)) return true;
    if (why) *why = *failure;
  } catch (...) {
  }
  for (auto folder = made.rbegin(); folder != made.rend(); ++folder)
    SkipOnFailure([&] { files.RemoveEmptyFolder(*folder); });
  return false;
}

}  // namespace slotmate
