#pragma once

#include <string>

#include "platform/settings.h"

namespace slotmate {

// The program's own settings: application "Slotmate", section "Settings".
inline constexpr char kSettingMinimized[] = "Minimized";
inline constexpr char kSettingHidden[] = "Hidden";
inline constexpr char kSettingAddNewGames[] = "AddNewGames";

// A boolean setting: "True" (any case) or a non-zero number is true;
// "False", anything else or nothing stored is false.
bool ReadBoolSetting(platform::SettingsStore& store, const std::string& key);
// Stores "True" or "False".
bool WriteBoolSetting(platform::SettingsStore& store, const std::string& key, bool value);

}  // namespace slotmate
