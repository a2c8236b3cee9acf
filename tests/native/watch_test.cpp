// Start-up, the disc watcher, the card switcher, the tray and the program's
// lifetime, told by what the program does.

#include "app/tray_icon.h"
#include "common/product.h"
#include "native/machine.h"
#include "registry/set_key_value.h"

namespace slotmate {
namespace {

const std::string kOneGame = "SLUS-00453 G\tC:\\g.mem\r\n";

// Every close request saves; only the user's merely hides.
TEST(MainWindow, StartTrayAndLifetime) {
  const std::string start = "games " + kOneGame + ", start", tray = "tray add, ",
                    tip = "tip 1 games listed, ", poll = "poll E:, ",
                    front = "show, focus btnAdd", switched = "select 0, card C:\\g.mem, ",
                    shown = tray + tip + poll + front,
                    hidden = tray + tip + poll + "hide", min = "set Minimized=True, ",
                    credit = "box "s + kCredit + "\r\n" + kHomePage,
                    about = credit + ", Open " + kHomePage,
                    two = "games SCUS-94491 O\tC:\\o.mem\r\n" + kOneGame,
                    save = ", write " + kGames,
                    quit = ", tray delete, Minimized=False, quit",
                    notSaved =
                        "The game list could not be saved to\r\n" + kGames + "\r\n\r\n",
                    unsaved = ", box " + notSaved + "Access is denied.",
                    endAnyway =
                        ", box Do you want to end Slotmate without saving the game list?",
                    unread =
                        "box The game list could not be read whole from\r\n" + kGames +
                        "\r\n\r\nlocked\r\n\r\nSlotmate shows the games it could "
                        "read, and will not save the list until it is started again.",
                    unsafe = ", box " + notSaved +
                             "It could not be read whole when Slotmate started, and "
                             "saving now would lose the games that were not read." +
                             quit + ", closed";
  // clang-format off
  ExpectJournals({
      {"settings any case", "set Hidden=tRUE, set Minimized=1, " + start, tip + poll + "hide"},
      {"settings numbers", "set Hidden=-1, set Minimized=-0, " + start, tip + poll + front},
      {"settings not read", "set Hidden=-, set Minimized=1a, " + start, shown},
      {"drives Z: to C:", "cdroms C: Z:, " + start, tray + tip + "poll Z:, poll C:, " + front},
      {"no CD-ROM drive", "cdroms A: B:, start", "end"},
      {"already running", "already running, " + start, "end"},
      {"emulator takes keys", "insert E:, emulator running, " + start + ", double-click icon",
       tray + tip + poll + switched + "activate, keys, show behind, " + front},
      {"one tray event at a time", start + ", in menu right-click icon; double-click icon", shown + ", menu"},
      {"Configure Games", start + ", menu Configure Games", shown + ", menu, show"},
      {"About, credits", start + ", menu About, click credits", shown + ", menu, " + about + ", " + about},
      {"Exit", min + start + ", menu Exit", hidden + ", menu, tray delete, Minimized=True, quit"},
      {"Exit saves", start + ", change, menu Exit", shown + ", menu" + save + quit},
      // A box holds switches back, not the watcher: the disc swapped meanwhile is switched once, after.
      {"disc swapped in a box", two + ", file C:\\o.mem=x, start, insert E:, tick, in box eject E:; tick; disc SCUS-94491; tick, menu About, tick",
       tray + "tip 2 games listed, " + poll + front + ", tick, " + poll + "select 1, card C:\\g.mem, menu, " + credit + ", tick, poll E:, tick, " + poll + poll + "select 0, card C:\\o.mem, Open " + kHomePage + ", tick, poll E:"},
      {"announced in a box", start + ", insert E:, tick, in box announce E: left; announce E:, menu About, tick",
       shown + ", tick, " + poll + switched + "menu, " + credit + ", announce E: left, poll E:, announce E:, " + poll + poll + switched + "Open " + kHomePage + ", tick, poll E:"},
      {"a poll tells by balloon", start + ", registry fails, insert E:, tick", shown + ", tick, poll E:, select 0, balloon Slotmate: " + kNotWritten.substr(4)},
      {"closed in a box", two + ", start, select 0, "
       "in box insert E:; announce E:; closed by another program, click Remove",
       tray + "tip 2 games listed, " + poll + front + ", select 0, box Remove this game from the list?, announce E:, poll E:" + quit + ", closed"},
      {"Exit unsaved, Enter", start + ", change, writes fail, menu Exit", shown + ", menu" + save + unsaved + endAnyway},
      {"Exit unsaved, Yes", start + ", change, writes fail, answer OK, answer Yes, menu Exit",
       shown + ", menu" + save + unsaved + endAnyway + quit},
      {"closed unsaved", start + ", change, writes fail, closed by another program", shown + save + unsaved + quit + ", closed"},
      {"list not read whole", "reads fail after 44, insert E:, in box tick, games SLUS-00453 Game\tC:\\g.mem\rSLUS-00453 H\tC:\\h.mem, start, change, Windows ends",
       tray + tip + unread + ", tick, " + poll + poll + switched + poll + front + unsafe},
      {"list not examined", "locked " + kGames + ", " + start + ", change, Windows ends",
       tray + "tip 0 games listed, " + unread + ", " + poll + front + unsafe},
      {"list read fails", "out of memory, " + start + ", change, Windows ends", tray + poll + front + unsafe},
      {"Shift brings the icon back", "set Hidden=True, " + start + ", taskbar restarts, tick, hold Shift, tick, tick, taskbar restarts",
       tip + poll + front + ", tick, poll E:, tick, tray add, poll E:, tick, poll E:, tray add"}});
  // clang-format on
}

// A failure brings the hidden icon back; what no balloon can tell is kept for
// the window, each failure once, the latest five. The journeys right-click the
// icon, which shows where its record sends.
TEST(TrayIcon, KeepsWhatNoBalloonToldForTheWindow) {
  fakes::FakeSystem shell;
  shell.noTray = true;
  TrayIcon tray(shell);
  tray.Create(0x10, 0x1C0, true);
  for (const char* failure : {"a", "b", "a", "c", "d", "e", "f"}) tray.Warn(failure);
  EXPECT_EQ(shell.log, fakes::Log{"tray add"});
  EXPECT_EQ(tray.TakeUntold(), "b\r\n\r\nc\r\n\r\nd\r\n\r\ne\r\n\r\nf");
  EXPECT_EQ(tray.TakeUntold(), "");
  using namespace platform;
  // Its first, 88-byte form; its notifications come as mouse moves.
  EXPECT_EQ(std::tuple(shell.icon.cbSize, shell.icon.uID, shell.icon.uCallbackMessage,
                       shell.icon.uFlags, shell.icon.hIcon,
                       std::string(shell.icon.szTip.data())),
            std::tuple(88u, 1u, 0x200u, kNifMessage | kNifIcon | kNifTip, 0x1C0u,
                       "Slotmate 1.0c - \xA9 2000 Slotmate"s));
}

// The ticks and announcements, and the card switches among them. A disc is
// switched once, and again only after a poll has found every drive empty.
TEST(DiscWatcher, SwitchesEachInsertedDiscOnce) {
  const std::string two = "cdroms F: E:, eject F:, ";
  // clang-format off
  const Row rows[] = {
      {"not with Shift", "start, insert E:, hold Shift, tick, release Shift, tick, eject E:, tick, insert E:, tick",
       "tick, tick, tick, tick, switch"},
      {"a silent drive keeps its answer", "start, insert E:, tick, silent E:, tick, tick", "tick, switch, tick, tick"},
      {"not while disabled", "start, insert E:, tick, menu Enabled, eject E:, tick, insert E:, menu Enabled, "
       "tick, eject E:, tick, insert E:, tick", "tick, switch, tick, tick, tick, tick, switch"},
      {"from drive to drive", two + "start, insert E:, tick, eject E:, insert F:, tick, eject F:, tick, insert E:, tick",
       "tick, switch, tick, tick, tick, switch"},
      // A drive that never answers keeps its own answer (none: no disc).
      {"beside a silent drive", "cdroms F: E:, silent F:, start, insert E:, tick, eject E:, tick, insert E:, tick",
       "tick, switch, tick, tick, switch"},
      {"announced", "start, insert E:, announce F:, announce E:, announce E:, eject E:, announce E: left, "
       "menu Enabled, insert E:, announce E:", "announce F:, announce E:, switch, announce E:, announce E: left, announce E:"}};
  // clang-format on
  for (const auto& [name, steps, journal] : rows) {
    Machine m;
    m.files = {{kGames, kOneGame}, {"C:\\g.mem", "x"}};
    m.Do(steps);
    std::string seen;
    for (const std::string& entry : m.log) {
      if (entry == "tick" || entry.starts_with("announce ")) seen += entry + ", ";
      if (entry == "card C:\\g.mem") seen += "switch, ";
    }
    EXPECT_EQ(seen, journal + ", ") << name << ": " << steps;
  }
}

// The disc in E: is SLUS-00453: its card goes to the registry, and the
// emulator gets the keys that make it take the card.
TEST(CardSwitcher, AppliesTheCardOfTheFirstRowWithTheDiscsId) {
  auto on = [](const std::string& games, const std::string& more) {
    return "games " + games +
           ", file C:\\g.mem=x, file C:\\o.mem=x, file E:\\system.cnf=" + kBoot + more +
           ", start, clear, switch";
  };
  const std::string emulator = ", emulator running", card = "select 0, card C:\\g.mem",
                    keys = ", activate, keys";
  // clang-format off
  ExpectJournals({
      {"any letter case", on("slus-00453 G\tC:\\g.mem\r\nSLUS-00453 H\tC:\\o.mem", emulator), card + keys},
      {"no emulator, no keys", on(kOneGame, ""), card},
      {"card missing", on("SLUS-00453 G\tC:\\m.mem", emulator), "select 0, balloon Slotmate: G (SLUS-00453): no memory card at\r\nC:\\m.mem\r\n\r\nThe emulator keeps the card it had. Select in the game list offers to create it."}});
  // clang-format on
  Machine m;
  m.Do(on(kOneGame, emulator));
  EXPECT_EQ(m.registry[kMemoryCardsKey + "\\"s + kBank0Slot0], "C:\\g.mem\0"s);
}

// The discs of a game on several discs share its row and card; a swap inside
// the game while it runs neither writes the value nor sends the keys, which
// would restart the game.
TEST(CardSwitcher, TheDiscsOfOneGameShareItsCard) {
  const std::string ff7 = "games SCUS-94163 FF7\tC:\\g.mem\r\n",
                    on = "emulator running, ",
                    one = "start, disc SCUS-94163, tick, eject E:, tick, ",
                    swaps =
                        one +
                        "disc SCUS-94164, tick, eject E:, tick, disc SCUS-94165, tick",
                    g = "card C:\\g.mem, ", made = "C:\\VGS\\SCUS-94163.mem";
  // clang-format off
  const Row rows[] = {
      {"disc 2 of a catalogued disc 1", ff7 + ", " + on + "start, disc SCUS-94164, tick", "select 0, " + g + "keys, "},
      {"disc 2 with a row of its own", ff7 + "SCUS-94164 2\tC:\\o.mem, file C:\\o.mem=x, " + on + one + "disc SCUS-94164, tick",
       "select 0, " + g + "keys, select 1, card C:\\o.mem, keys, "},
      {"a swap, then the same disc", ff7 + ", " + on + swaps + ", eject E:, tick, disc SCUS-94165, tick",
       "select 0, " + g + "keys, select 0, select 0, select 0, " + g + "keys, "},
      {"a swap with no emulator", ff7 + ", " + swaps, "select 0, " + g + "select 0, " + g + "select 0, " + g},
      {"another game after a set", ff7 + kOneGame + ", " + on + one + "insert E:, tick", "select 0, " + g + "keys, select 1, " + g + "keys, "},
      {"one new game a set", "set AddNewGames=True, " + on + one + "disc SCUS-94164, tick",
       "add SCUS-94163 Final Fantasy VII (USA)\t" + made + ", select 0, card " + made + ", keys, balloon Slotmate: New game "
       "SCUS-94163 added. Its own memory card:\r\n" + made + "\r\nThe game's other discs will use it too.\r\nChange in the "
       "game list gives it its title or another card., select 0, "}};
  // clang-format on
  for (const auto& [name, steps, journal] : rows) {
    Machine m;
    m.files["C:\\g.mem"] = "x";
    m.Do(steps);
    std::string seen;
    for (const std::string& entry : m.log)
      for (const char* shown : {"select", "card", "keys", "add", "balloon"})
        if (entry.starts_with(shown)) seen += entry + ", ";
    EXPECT_EQ(seen, journal) << name;
  }
}

// "Add New Games": a disc that no row has gets a row, a card and a balloon.
TEST(NewGames, AddsAnUnknownDiscWhenAsked) {
  const std::string
      card = "C:\\VGS\\SLUS-00453.mem",
      on = "set AddNewGames=True, ",
      start = "games SCUS-94491 O\tC:\\g.mem\r\n, emulator running, start, clear, ",
      poll = "tick, poll E:", made = ", mkdir " + card + ", write " + card,
      unmade =
          "New game SLUS-00453 not added. Its memory card could not be "
          "created:\r\n" +
          card + "\r\nAccess is denied.",
      added = ", add SLUS-00453 New Game 2\t" + card +
              ", tip 2 games listed, select 1, card " + card +
              ", activate, keys, balloon Slotmate: New game SLUS-00453 "
              "added. Its own memory card:\r\n" +
              card +
              "\r\nChange in the game list gives it its title or "
              "another card.";
  ExpectJournals(
      {{"off", start + "insert E:, tick", poll},
       {"turned on", start + "menu Add New Games, insert E:, tick",
        "menu, AddNewGames=True, " + poll + made + added},
       {"card there", on + start + "file " + card + "=x, insert E:, tick", poll + added},
       {"added, icon hidden", on + "set Hidden=True, " + start + "insert E:, tick",
        poll + made + added.substr(0, added.find(", balloon"))},
       {"card not made", on + start + "writes fail, insert E:, tick",
        poll + made + ", rmdir C:\\VGS, balloon Slotmate: " + unmade},
       // Heard: the hidden icon comes back; what no balloon tells waits for the window.
       {"card not made, no icon",
        on + "set Hidden=True, no tray, " + start +
            "writes fail, insert E:, tick, double-click icon, taskbar restarts",
        poll + made + ", rmdir C:\\VGS, tray add, show, box " + unmade + ", tray add"},
       // Its row may be in the part not read: nothing is added.
       {"list not read whole",
        on + "locked " + kGames + ", " + start +
            "insert E:, tick, eject E:, tick, insert E:, tick",
        poll +
            ", balloon Slotmate: SLUS-00453 is not in the game list, but new games "
            "are not added in this run: the list could not be read whole, and the game "
            "may be in the part not read., " +
            poll + ", " + poll},
       {"ID refused",
        on + start + "insert E:, file E:\\system.cnf=BOOT = cdrom:\\SLUS_004.5, tick",
        poll}});
}

}  // namespace
}  // namespace slotmate
