#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slotmate::platform {

// Text rules of the user's locale.
class Locale {
 public:
  virtual ~Locale() = default;
  // The text in upper case by the rules of the user's locale and ANSI code
  // page (so an accented letter has its capital too).
  virtual std::string UpperCase(const std::string& text) = 0;
  // The UTF-8 text in the ANSI code page; nullopt when a character has no form there.
  virtual std::optional<std::string> FromUtf8(std::string_view utf8) = 0;
};

}  // namespace slotmate::platform
