#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/catalogue_line.h"

namespace slotmate::bench {

// The largest catalogue a 16-bit list could hold, as games.txt holds it.
inline constexpr int kRows = 32767;

inline std::string SampleCatalogueText() {
  std::vector<std::string> rows;
  for (int i = 0; i < kRows; ++i) {
    char id[16];
    std::snprintf(id, sizeof id, "SLUS-%05d", i);
    const std::string title = "Some Game Title " + std::to_string(i);
    rows.push_back(MakeCatalogueLine(id, title, "C:\\VGS\\Cards\\" + title + ".mem"));
  }
  return JoinCatalogueText(rows);
}

}  // namespace slotmate::bench
