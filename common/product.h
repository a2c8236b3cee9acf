#pragma once

namespace slotmate {

// The program's name as its windows, tip and About box show it.
inline constexpr char kAppCaption[] = "Slotmate 1.0c";
// Message boxes without a title of their own carry the application's title.
inline constexpr char kAppTitle[] = "Slotmate";
// "\xA9" is the copyright sign in the ANSI code page.
inline constexpr char kCredit[] = "\xA9 2000 Slotmate";
inline constexpr char kHomePage[] = "https://slotmate.example.org/";

}  // namespace slotmate
