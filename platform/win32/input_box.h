#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace slotmate::win32 {

class Win32Toolkit;

// A small modal window asking for one line of text: the prompt, a box
// holding the default text all selected, OK (Enter) and Cancel (Esc).
// Returns the text on OK and nothing on Cancel or the close box.
std::optional<std::string> RunInputBox(Win32Toolkit& toolkit, HWND owner,
                                       const std::string& prompt,
                                       const std::string& title,
                                       const std::string& defaultText);

}  // namespace slotmate::win32
