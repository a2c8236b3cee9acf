// Start-up, the disc watcher, the card switcher, the tray and the program's
// lifetime, told by what the program does.

#include <map>

#include "app/product.h"
#include "native/machine.h"

namespace slotmate {
namespace {

const std::string kOneGame = "SLUS-00453 G\tC:\\g.mem\r\n";

TEST(Startup, FindsTheCdromDrivesFromZDownToCOrEndsSilently) {
  const std::pair<std::map<std::string, unsigned>, Rows> rows[] = {
      {{{"C:\\", 5}, {"D:\\", 3}, {"Z:\\", 5}}, {"Z:", "C:"}},
      {{{"D:\\", 5}, {"F:\\", 5}}, {"F:", "D:"}},
      {{{"A:\\", 5}, {"B:\\", 5}, {"C:\\", 3}}, {}}};
  for (const auto& [types, cdDrives] : rows) {
    Machine m;
    m.drives = types;
    EXPECT_EQ(m.Start(), !cdDrives.empty());
    EXPECT_EQ(m.form->CdDrives, cdDrives);
    EXPECT_EQ(m.log.empty(), cdDrives.empty());
  }
  Machine second;
  second.anotherInstance = true;
  EXPECT_FALSE(second.Start() || !second.log.empty());
}

// The tray icon and the window follow the settings; a disc already in the
// drive is switched first, and then the window shows behind the emulator,
// which is still taking its keys.
TEST(Startup, SettingsAndADiscInTheDrive) {
  const std::string tray = "tray add, ", tip = "tip 1 games listed, ",
                    shown = "show, focus btnAdd", card = "select 0, card C:\\g.mem, ";
  const std::pair<std::string, std::string> rows[] = {
      {"", tray + tip + shown},
      {"Minimized=True", tray + tip + "hide"},
      {"Hidden=True", tip + shown},
      {"Hidden=tRUE, Minimized=1", tip + "hide"},
      {"Hidden=-12, Minimized=0", tip + shown},
      {"Hidden=-0, Minimized=-", tray + tip + shown},
      {"Hidden=yes, Minimized=1a", tray + tip + shown},
      {"insert E:", tray + tip + card + shown},
      {"insert E:, emulator", tray + tip + card + "activate, keys, show behind"},
      {"insert E:, emulator, Minimized=True",
       tray + tip + card + "activate, keys, hide"}};
  for (const auto& [setup, journal] : rows) {
    Machine m;
    m.files["C:\\g.mem"] = "x";
    m.Do(setup);
    m.Start(kOneGame);
    EXPECT_EQ(m.Journal(), journal) << setup;
  }
  Machine m;
  m.Start();
  EXPECT_EQ(m.icon.cbSize + m.icon.uID * 1000 + m.icon.uFlags, 88u + 1007u);
  EXPECT_EQ(m.icon.hWnd + m.icon.hIcon, m.main().Handle() + m.main().Icon());
  EXPECT_EQ(m.icon.uCallbackMessage, 0x200u);  // tray events come as mouse moves
  const std::string szTip(m.icon.szTip.data(), 64), text = kAppCaption + " - "s + kCredit;
  EXPECT_EQ(szTip, text + '\0' + std::string(63 - text.size(), ' '));
}

// Steps of the user and the clock, each followed by the number of card
// switches so far. A disc is switched once; again only after a poll has
// found every drive empty.
TEST(DiscWatcher, SwitchesEachInsertedDiscOnce) {
  const std::pair<std::string, std::string> rows[] = {
      {"E:", "insert E: 0, tick 1, tick 1, eject E: 1, tick 1, insert E: 1, tick 2"},
      {"E:",
       "insert E: 0, shift 0, tick 0, unshift 0, tick 0, eject E: 0, tick 0, "
       "insert E: 0, tick 1"},
      {"E:", "audio E: 0, tick 0, insert E: 0, tick 0"},  // no boot file: handled
      {"E:", "insert E: 0, tick 1, mute E: 1, tick 1, tick 1"},
      {"E:", "insert E: 0, mute E: 0, tick 0"},
      {"E:",
       "insert E: 0, tick 1, menu 1 1, eject E: 1, tick 1, insert E: 1, menu 1 1, tick "
       "1"},
      {"F: E:", "insert E: 0, tick 1, tick 1, eject E: 1, tick 1, insert E: 1, tick 2"},
      {"F: E:",
       "insert E: 0, tick 1, eject E: 1, insert F: 1, tick 1, eject F: 1, "
       "tick 1, insert E: 1, tick 2"}};
  for (const auto& [cdDrives, steps] : rows) {
    Machine m;
    m.drives.clear();
    std::istringstream drives(cdDrives);
    for (std::string drive; drives >> drive;)
      m.drives[drive + "\\"] = 5, m.Do("eject " + drive);
    m.files["C:\\g.mem"] = "x";
    ASSERT_TRUE(m.Start(kOneGame));
    std::istringstream in(steps);
    for (std::string step; std::getline(in >> std::ws, step, ',');) {
      m.Do(step.substr(0, step.rfind(' ')));
      EXPECT_EQ(std::count(m.log.begin(), m.log.end(), "card C:\\g.mem"),
                std::stoi(step.substr(step.rfind(' '))))
          << steps << ": " << step;
    }
  }
}

// The disc in E: is SLUS-00453. Its card goes to the registry, then the
// emulator comes to the front and gets the keys that make it take the card.
TEST(CardSwitcher, AppliesTheCardOfTheFirstRowWithTheDiscsId) {
  const std::string keys = ", activate, keys";
  const std::tuple<std::string, std::string, std::string, std::string> rows[] = {
      {"SCUS-94491 O\tC:\\o.mem\r\n" + kOneGame, kBoot, "emulator",
       "select 1, card C:\\g.mem" + keys},
      {"slus-00453 G\tC:\\g.mem\r\nSLUS-00453 H\tC:\\o.mem", kBoot, "emulator",
       "select 0, card C:\\g.mem" + keys},
      {kOneGame, kBoot, "", "select 0, card C:\\g.mem"},
      {kOneGame, kBoot, "emulator, registry fails", "select 0" + keys},
      {"SCUS-94491 O\tC:\\g.mem", kBoot, "emulator", ""},
      {"SLUS-00453 G\tC:\\none.mem", kBoot, "emulator", "select 0"},
      {"SLUS-00453 G\tC:\\empty.mem", kBoot, "emulator", "select 0"},
      {"SLUS-00453 G", kBoot, "emulator", "select 0"},
      {kOneGame, "TCB = 4", "emulator", ""},
      {kOneGame, "BOOT = cdrom:\\S", "emulator", ""}};
  for (const auto& [catalogue, boot, setup, journal] : rows) {
    Machine m;
    m.Start(catalogue);
    m.files = {{"C:\\g.mem", "x"},
               {"C:\\o.mem", "x"},
               {"C:\\empty.mem", ""},
               {"E:\\system.cnf", boot}};
    m.Do(setup);
    m.Journal();
    m.form->SwitchCard();
    EXPECT_EQ(m.Journal(), journal) << catalogue;
    EXPECT_EQ(m.registry[kSlot],
              journal.find("card") == std::string::npos ? "" : "C:\\g.mem\0"s);
    EXPECT_EQ(m.sentKeys.empty(), !journal.ends_with("keys"));
    EXPECT_EQ(m.openKeys, 0);
  }
  Machine m;
  m.files["C:\\g.mem"] = "x";
  m.Do("insert E:, emulator");
  m.Start(kOneGame);
  EXPECT_EQ(m.sentKeys, kEmulatorKeys);
}

// Tray notifications arrive as mouse moves carrying the mouse message; while
// one is handled (its menu is open), the others are ignored. Every close
// request saves changed rows; only the user's merely hides the window.
TEST(Tray, IconMenuAndLifetime) {
  const std::string about =
                        "box "s + kCredit + "\r\n" + kHomePage + ", Open " + kHomePage,
                    save = "write " + kGames;
  // Set before the start; the steps, and those taken while the tray menu is open.
  const std::tuple<std::string, std::string, std::string, std::string> rows[] = {
      {"Minimized=True", "icon 515, icon 515", "", "show, focus btnAdd, show"},
      {"Minimized=True", "icon 512, icon 513, icon 514, icon 516, icon 518, icon 519", "",
       ""},
      {"Minimized=True", "icon 520, icon 521, icon 1311235", "", ""},  // 1311235: a move
      {"insert E:, emulator", "icon 515", "", "show, focus btnAdd"},
      {"", "icon 517", "icon 517, icon 515", "menu"},
      {"", "icon 517", "menu 0", "menu, show"},
      {"", "icon 517", "menu 1", "menu, check 1 off"},
      {"", "menu 1, menu 1", "", "check 1 off, check 1 on"},
      {"", "icon 517", "menu 3", "menu, " + about},
      {"", "click lblCredits", "", about},
      {"Minimized=True", "icon 517", "menu 5", "menu, tray delete, Minimized=True, quit"},
      {"", "change, close 0, close 0", "", save + ", hide, hide"},
      {"", "change, close 1", "", save + ", tray delete, Minimized=False, quit"},
      {"", "change, close 2", "", save + ", tray delete, Minimized=False, quit"},
      {"", "change, close 3", "", save + ", tray delete, Minimized=False, quit"},
      {"", "close 0, close 3", "", "hide, tray delete, Minimized=True, quit"},
      {"", "taskbar", "", "tray add"},
      {"Hidden=True", "taskbar, tick, shift, tick, tick, taskbar", "",
       "tick, tick, tray add, tick, tray add"},
      {"", "shift, tick", "", "tick"}};
  for (const auto& [setup, steps, inMenu, journal] : rows) {
    Machine m;
    m.files["C:\\g.mem"] = "x";
    m.Do(setup);
    m.Start(kOneGame);
    m.Journal();
    Fake(m.form->mnuMain).whileOpen = [&] { m.Do(inMenu); };
    m.Do(steps);
    EXPECT_EQ(m.Journal(), journal) << setup << " / " << steps << " / " << inMenu;
  }
}

}  // namespace
}  // namespace slotmate
