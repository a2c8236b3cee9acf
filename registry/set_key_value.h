#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace slotmate {

// Where the emulator keeps its memory card files.
inline constexpr char kMemoryCardsKey[] =
    "SOFTWARE\\Connectix\\Connectix Virtual Game Station\\Memory Cards";
inline constexpr char kBank0Slot0[] = "Bank 00 Slot 00";

// Stores KeyVal as value SubKeyRef of type lType (only REG_SZ is written) in
// key KeyName under KeyRoot, creating the key when it is missing. True when
// the value was stored. Never throws; the key is always closed again.
bool SetKeyValue(platform::Registry& registry, platform::RegistryKey KeyRoot,
                 const std::string& KeyName, std::uint32_t lType,
                 const std::string& SubKeyRef, const std::string& KeyVal) noexcept;

}  // namespace slotmate
