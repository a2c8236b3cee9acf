#pragma once

#include "platform/toolkit.h"

// The main window as it is created: caption, size, controls and menu.
namespace slotmate::layout {

platform::WindowSpec MainWindow();
platform::ButtonSpec BtnSelect();
platform::ButtonSpec BtnDel();
platform::ButtonSpec BtnChange();
platform::ControlSpec LstGames();
platform::ButtonSpec BtnAdd();
platform::LabelSpec LblCredits();
std::vector<platform::MenuItemSpec> MnuMain();

inline constexpr unsigned kTimer1IntervalMs = 3000;

// Positions of the items of the tray menu.
inline constexpr int kMnuShow = 0;
inline constexpr int kMnuEnabled = 1;
inline constexpr int kMnuAddNewGames = 2;
inline constexpr int kMnuAbout = 4;
inline constexpr int kMnuExit = 6;

}  // namespace slotmate::layout
