#include "registry/settings.h"

#include <algorithm>
#include "common/text.h"

namespace slotmate {
namespace {

constexpr char kApplication[] = "Slotmate";
constexpr char kSection[] = "Settings";

bool IsNonZeroNumber(const std::string& text) {
  std::size_t start = text.starts_with('-') ? 1 : 0;
  if (start == text.size()) return false;
  bool digits = std::all_of(text.begin() + std::ptrdiff_t(start), text.end(),
                            [](unsigned char c) { return std::isdigit(c); });
  return digits && text.find_first_not_of("-0") != std::string::npos;
}

}  // namespace

bool ReadBoolSetting(platform::SettingsStore& store, const std::string& key) {
  std::string text = store.Read(kApplication, kSection, key, "False");
  return LowerAscii(text) == "true" || IsNonZeroNumber(text);
}

bool WriteBoolSetting(platform::SettingsStore& store, const std::string& key,
                      bool value) {
  return store.Write(kApplication, kSection, key, value ? "True" : "False");
}

}  // namespace slotmate
