#pragma once

#include <windows.h>

#include <commdlg.h>

#include "platform/dialogs.h"

namespace slotmate::win32 {

class Win32Toolkit;

class Win32Dialogs : public platform::Dialogs {
 public:
  explicit Win32Dialogs(Win32Toolkit& toolkit) : toolkit_(toolkit) {}

  int ShowMessage(platform::WindowHandle owner, const std::string& text,
                  const std::string& title, std::uint32_t style) override;
  std::string InputBox(platform::WindowHandle owner, const std::string& prompt,
                       const std::string& title, const std::string& defaultText) override;
  int ShowOpenFileDialog(platform::OpenFileNameRecord& record) override;

 private:
  Win32Toolkit& toolkit_;
};

}  // namespace slotmate::win32
