#pragma once

#include "platform/locale.h"

namespace slotmate::win32 {

class Win32Locale : public platform::Locale {
 public:
  std::string UpperCase(const std::string& text) override;
};

}  // namespace slotmate::win32
