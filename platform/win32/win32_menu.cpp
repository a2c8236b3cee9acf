#include "platform/win32/win32_menu.h"

#include "platform/win32/win32_controls.h"

namespace slotmate::win32 {

Win32PopupMenu::Win32PopupMenu(HWND owner,
                               const std::vector<platform::MenuItemSpec>& items)
    : owner_(owner), menu_(CreatePopupMenu()) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto& item = items[i];
    if (item.caption == "-") {
      AppendMenuA(menu_.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    AppendMenuA(menu_.get(), MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                kFirstMenuCommand + i, item.caption.c_str());
    if (item.isDefault) SetMenuDefaultItem(menu_.get(), UINT(i), TRUE);
  }
}

void Win32PopupMenu::SetChecked(int item, bool checked) {
  CheckMenuItem(menu_.get(), UINT(item),
                MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Win32PopupMenu::Checked(int item) const {
  const UINT state = GetMenuState(menu_.get(), UINT(item), MF_BYPOSITION);
  return state != UINT(-1) && (state & MF_CHECKED) != 0;
}

void Win32PopupMenu::OnClick(int item, std::function<void()> handler) {
  handlers_[item] = std::move(handler);
}

void Win32PopupMenu::Popup() {
  POINT cursor{};
  GetCursorPos(&cursor);
  // Without this the menu stays open when the user clicks elsewhere.
  SetForegroundWindow(owner_);
  const auto chosen = TrackPopupMenu(
      menu_.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
      cursor.x, cursor.y, 0, owner_, nullptr);
  // Lets the menu's window go away before the next click on the tray icon.
  PostMessageA(owner_, WM_NULL, 0, 0);
  if (chosen) Choose(UINT(chosen));
}

void Win32PopupMenu::Choose(UINT commandId) {
  if (commandId < kFirstMenuCommand) return;
  auto it = handlers_.find(int(commandId - kFirstMenuCommand));
  if (it != handlers_.end()) RunHandler(it->second);
}

}  // namespace slotmate::win32
