#pragma once

// Resource numbers shared by slotmate.rc and the program. The resource
// compiler reads only the #defines; C++ code uses the constants below.
#define SLOTMATE_ICON 1
#define SLOTMATE_MANIFEST 1
#define SLOTMATE_VERSION 1
#define SLOTMATE_GAME_PICTURE 101

#ifndef RC_INVOKED
namespace slotmate::resources {

inline constexpr int kIcon = SLOTMATE_ICON;
inline constexpr int kGamePicture = SLOTMATE_GAME_PICTURE;

}  // namespace slotmate::resources
#endif
