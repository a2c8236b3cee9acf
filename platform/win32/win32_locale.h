#pragma once

#include "platform/locale.h"

namespace slotmate::win32 {

class Win32Locale : public platform::Locale {
 public:
  std::string UpperCase(const std::string& text) override;
  std::optional<std::string> FromUtf8(std::string_view utf8) override;
};

}  // namespace slotmate::win32
