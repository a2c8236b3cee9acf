#pragma once

#include <string>

namespace slotmate::platform {

// Text rules of the user's locale.
class Locale {
 public:
  virtual ~Locale() = default;
  // The text in upper case by the rules of the user's locale and ANSI code
  // page (so an accented letter has its capital too).
  virtual std::string UpperCase(const std::string& text) = 0;
};

}  // namespace slotmate::platform
