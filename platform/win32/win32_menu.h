#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/win32_toolkit.h"

namespace slotmate::win32 {

// A popup menu owned by a window; items are addressed by position.
class Win32PopupMenu : public platform::PopupMenu {
 public:
  Win32PopupMenu(HWND owner, const std::vector<platform::MenuItemSpec>& items);

  void SetChecked(int item, bool checked) override;
  bool Checked(int item) const override;
  void OnClick(int item, std::function<void()> handler) override;
  void Popup() override;

  HMENU handle() const { return menu_.get(); }
  // Runs the handler of the item with this command id, if any.
  void Choose(UINT commandId);

 private:
  HWND owner_;
  OwnedMenu menu_;
  std::map<int, std::function<void()>> handlers_;
};

// The command id of the item at a position.
inline constexpr UINT kFirstMenuCommand = 1000;

}  // namespace slotmate::win32
