// Start-up, the disc watcher, the card switcher, the tray and the program's
// lifetime.

#include <map>
#include <sstream>

#include "native/machine.h"

namespace slotmate {
namespace {

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
    EXPECT_EQ(m.main().visible || !m.log.empty(), !cdDrives.empty());
  }
  Machine second;
  second.anotherInstance = true;
  EXPECT_FALSE(second.Start() || second.main().visible || !second.log.empty());
}

TEST(Startup, HiddenAndMinimizedDecideIconAndWindow) {
  const std::tuple<const char*, const char*, bool, bool> rows[] = {
      {"", "", true, true},
      {"", "True", true, false},
      {"True", "", false, true},
      {"True", "True", false, false}};  // the icon, the window
  for (const auto& [hidden, minimized, icon, window] : rows) {
    Machine m;
    m.settings = {{kHidden, hidden}, {kMinimized, minimized}};
    ASSERT_TRUE(m.Start());
    EXPECT_EQ(m.Logged("tray add"), int(icon)) << hidden << minimized;
    EXPECT_EQ(m.main().focused + (m.main().active ? " in front" : ""),
              window ? "btnAdd in front" : "");
  }
}

TEST(Startup, TrayIconRecord) {
  Machine m;
  m.Start();
  EXPECT_EQ(m.icon.cbSize, 88u);
  EXPECT_EQ(m.icon.hWnd + m.icon.hIcon, m.main().Handle() + m.main().Icon());
  EXPECT_EQ(m.icon.uID * 1000 + m.icon.uFlags, 1007u);
  EXPECT_EQ(m.icon.uCallbackMessage, 0x200u);  // tray events come as mouse moves
  const std::string tip(m.icon.szTip.data(), 64),
      text = "Slotmate 1.0c - \xA9 2000 Slotmate";
  EXPECT_EQ(tip, text + '\0' + std::string(63 - text.size(), ' '));
}

// A disc in the drive at start is switched before the window shows, and the
// window shows behind the emulator, which is still taking its keys.
TEST(Startup, DiscAtStartIsSwitchedAndTheWindowShowsBehindTheEmulator) {
  Machine m;
  m.files["C:\\g.mem"] = "x";
  m.captions = {kEmulator};
  m.Insert("E:");
  m.Start("SLUS-00453 G\tC:\\g.mem\r\n");
  EXPECT_EQ(m.registry[kSlot], "C:\\g.mem\0"s);
  EXPECT_TRUE(m.main().visible && !m.main().active);
  m.main().mouseMove(515);
  EXPECT_EQ(m.main().focused + (m.main().active ? " in front" : ""), "btnAdd in front");
}

// Steps of the user and the clock, each followed by the number of card
// switches seen so far. The catalogue knows the disc.
TEST(DiscWatcher, SwitchesEachInsertedDiscOnce) {
  const std::pair<Rows, std::string> rows[] = {
      {{"E:"}, "insert E: 0, tick 1, tick 1, eject E: 1, tick 1, insert E: 1, tick 2"},
      {{"E:"},
       "insert E: 0, shift 0, tick 0, unshift 0, tick 0, eject E: 0, tick 0, "
       "insert E: 0, tick 1"},
      {{"E:"}, "audio E: 0, tick 0, insert E: 0, tick 0"},  // no boot file: handled
      {{"E:"}, "insert E: 0, tick 1, mute E: 1, tick 1, tick 1"},
      {{"E:"}, "insert E: 0, mute E: 0, tick 0"},
      {{"E:"},
       "insert E: 0, tick 1, menu 1, eject E: 1, tick 1, insert E: 1, menu 1, tick 1"},
      {{"F:", "E:"},
       "insert E: 0, tick 1, tick 1, eject E: 1, tick 1, insert E: 1, tick 2"},
      {{"F:", "E:"},
       "insert E: 0, tick 1, eject E: 1, insert F: 1, tick 1, eject F: 1, "
       "tick 1, insert E: 1, tick 2"}};
  for (const auto& [cdDrives, steps] : rows) {
    Machine m;
    m.drives.clear();
    for (const auto& drive : cdDrives) m.drives[drive + "\\"] = 5, m.Eject(drive);
    m.files["C:\\g.mem"] = "x";
    ASSERT_TRUE(m.Start("SLUS-00453 G\tC:\\g.mem\r\n"));
    std::istringstream in(steps);
    for (std::string verb, drive, count; in >> verb;) {
      if (verb == "insert" || verb == "audio" || verb == "eject" || verb == "mute")
        in >> drive;
      if (verb == "insert" || verb == "audio")
        m.Insert(drive, verb == "insert" ? kBoot : "");
      if (verb == "eject") m.Eject(drive);
      if (verb == "mute") m.media.erase(drive);  // its status gets no answer
      if (verb == "tick") Fake(m.form->Timer1).Fire("tick");
      if (verb == "shift" || verb == "unshift") m.shift = verb == "shift";
      if (verb == "menu") m.menu().Fire("1");  // Enabled
      in >> count;
      EXPECT_EQ(m.Logged("set Bank 00 Slot 00"), std::stoi(count))
          << steps << ": " << verb;
    }
  }
}

TEST(DiscWatcher, AsksEachDriveInTurnAndStopsAtTheFirstDisc) {
  Machine m;
  m.drives = {{"D:\\", 5}, {"E:\\", 5}, {"F:\\", 5}};
  m.Eject("F:"), m.Insert("E:", ""), m.Insert("D:", "");
  m.Start();
  EXPECT_EQ(m.log, (Rows{"tray add", "open F: Type cdaudio Alias cdvgs wait",
                         "status cdvgs media present wait", "close cdvgs",
                         "open E: Type cdaudio Alias cdvgs wait",
                         "status cdvgs media present wait", "close cdvgs"}));
  EXPECT_EQ(m.form->CurrentDrive, "E:");
}

TEST(DiscWatcher, ShiftShowsAHiddenTrayIconOnce) {
  for (const char* hidden : {"True", "False"}) {
    Machine m;
    m.settings[kHidden] = hidden;
    m.Start();
    Fake(m.form->Timer1).Fire("tick");
    m.shift = true;
    Fake(m.form->Timer1).Fire("tick"), Fake(m.form->Timer1).Fire("tick");
    EXPECT_EQ(m.Logged("tray add"), 1) << hidden;
  }
}

// The disc in E: is SLUS-00453. Switching writes the card to the registry,
// then brings the emulator to the front and sends it the keys.
TEST(CardSwitcher, AppliesTheCardOfTheFirstRowWithTheDiscsId) {
  // The rows, the boot file, what else happens; the row selected, the card
  // written, and whether the keys were sent.
  const std::tuple<Rows, std::string, std::string, int, std::string, bool> rows[] = {
      {{"SCUS-94491 O\tC:\\o.mem", "SLUS-00453 G\tC:\\g.mem"},
       kBoot,
       "",
       1,
       "C:\\g.mem",
       true},
      {{"slus-00453 G\tC:\\g.mem", "SLUS-00453 H\tC:\\o.mem"},
       kBoot,
       "",
       0,
       "C:\\g.mem",
       true},
      {{"SLUS-00453 G\tC:\\g.mem"}, kBoot, "no emulator", 0, "C:\\g.mem", false},
      {{"SLUS-00453 G\tC:\\g.mem"}, kBoot, "registry fails", 0, "", true},
      {{"SCUS-94491 O\tC:\\g.mem"}, kBoot, "", -1, "", false},
      {{"SLUS-00453 G\tC:\\none.mem"}, kBoot, "", 0, "", false},
      {{"SLUS-00453 G\tC:\\empty.mem"}, kBoot, "", 0, "", false},
      {{"SLUS-00453 G"}, kBoot, "", 0, "", false},
      {{"SLUS-00453 G\tC:\\g.mem"}, "", "", -1, "", false},
      {{"SLUS-00453 G\tC:\\g.mem"}, "BOOT = cdrom:\\S", "", -1, "", false}};
  for (const auto& [catalogue, boot, also, selected, card, keys] : rows) {
    Machine m;
    m.Start();
    m.files = {{"C:\\g.mem", "x"},
               {"C:\\o.mem", "x"},
               {"C:\\empty.mem", ""},
               {"E:\\system.cnf", boot}};
    if (also != "no emulator") m.captions = {kEmulator + " - SLUS-00453"};
    if (also == "registry fails") m.failSetValue = 5;
    m.list().items = catalogue;
    m.log.clear();
    m.form->SwitchCard();
    SCOPED_TRACE(catalogue[0] + " " + also);
    EXPECT_EQ(m.list().index, selected);
    EXPECT_EQ(m.registry[kSlot], card.empty() ? "" : card + '\0');
    EXPECT_EQ(m.sentKeys, keys ? kEmulatorKeys : std::vector<platform::KeyEvent>{});
    EXPECT_EQ(m.log.empty(), card.empty() && !keys);
    if (keys) {
      EXPECT_EQ(m.log.end()[-3] + m.log.end()[-2],
                "set Bank 00 Slot 00activate " + kEmulator);
    }
    EXPECT_EQ(m.openKeys, 0);
  }
}

// Tray notifications arrive as mouse moves carrying the mouse message. While
// one is handled (its menu is open), the others are ignored.
TEST(Tray, DoubleClickShowsAndRightClickOpensTheMenuOnce) {
  Machine m;
  m.settings[kMinimized] = "True";
  m.Start();
  for (std::uint32_t n = 512; n <= 521; ++n) {
    m.main().visible = false;
    const int popups = m.menu().popups;
    m.main().mouseMove(n);
    EXPECT_EQ(m.main().visible, n == 515) << n;
    EXPECT_EQ(m.menu().popups - popups, int(n == 517)) << n;
  }
  m.main().mouseMove((20u << 16) | 515u);  // a real mouse move, with coordinates
  EXPECT_FALSE(m.main().visible);
  m.menu().whileOpen = [&] { m.main().mouseMove(517); };
  m.main().mouseMove(517);
  EXPECT_EQ(m.menu().popups, 2);
}

TEST(Tray, AboutShowsTheCreditThenOpensTheHomePageAndEnabledSwitchesPolling) {
  Machine m;
  m.Start();
  m.menu().Fire("3");
  Fake(m.form->lblCredits).Fire("click");
  ASSERT_EQ(m.boxes.size(), 2u);
  EXPECT_EQ(m.boxes[0].title + m.boxes[1].title, "Slotmate 1.0cSlotmate 1.0c");
  const std::string address = m.boxes[0].text.substr(m.boxes[0].text.find("\r\n") + 2);
  EXPECT_EQ(m.Logged("Open " + address), 2);
  for (bool enabled : {false, true, false}) {
    m.menu().Fire("1");
    EXPECT_EQ(m.menu().Checked(1) + m.form->Timer1.Enabled(), 2 * enabled);
  }
}

// Every close request saves; only the user's merely hides the window.
TEST(Lifetime, CloseRequests) {
  for (UnloadMode mode : {UnloadMode::kUser, UnloadMode::kProgram, UnloadMode::kSession,
                          UnloadMode::kOutside}) {
    Machine m;
    m.Start();
    m.form->DataChanged = true;
    const bool closes = mode != UnloadMode::kUser;
    EXPECT_EQ(m.main().RequestClose(mode), closes);
    EXPECT_EQ(m.Logged("write " + kGames), 1);
    EXPECT_FALSE(m.main().visible);
    EXPECT_EQ(m.Logged("tray delete") + m.toolkit.quits, closes ? 2 : 0);
    EXPECT_EQ(m.settings[kMinimized], closes ? "False" : "");
  }
}

TEST(Lifetime, ExitWhileHiddenStartsHiddenNextTimeAndTheIconReturnsWithTheTaskbar) {
  Machine m;
  m.settings[kMinimized] = "True";
  m.Start();
  m.menu().whileOpen = [&] { m.menu().Fire("5"); };
  m.main().mouseMove(517);
  EXPECT_EQ(m.toolkit.quits, 1);
  EXPECT_EQ(m.settings[kMinimized], "True");
  m.Start();
  EXPECT_FALSE(m.main().visible);
  for (const char* hidden : {"False", "True"}) {
    m.settings[kHidden] = hidden, m.log.clear();
    m.Start();
    m.main().taskbarCreated();
    EXPECT_EQ(m.Logged("tray add"), hidden == "True"s ? 0 : 2);
  }
}

}  // namespace
}  // namespace slotmate
