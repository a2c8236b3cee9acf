// Start-up, the disc watcher, the card switcher, the tray and the program's
// lifetime, told by what the program does.

#include "common/product.h"
#include "native/machine.h"
#include "registry/set_key_value.h"
#include "watch/key_string.h"

namespace slotmate {
namespace {

const std::string kOneGame = "SLUS-00453 G\tC:\\g.mem\r\n";

// Drives are polled from Z: down to C:; a disc there at start is switched
// first, and the window shows behind the emulator, which is taking its keys.
// While a tray notification is handled (its menu is open), the others are
// ignored. Every close request saves; only the user's merely hides.
TEST(MainWindow, StartTrayAndLifetime) {
  const std::string start = "games " + kOneGame + ", start", tray = "tray add, ",
                    tip = "tip 1 games listed, ", poll = "poll E:, ",
                    front = "show, focus btnAdd", switched = "select 0, card C:\\g.mem, ",
                    shown = tray + tip + poll + front,
                    hidden = tray + tip + poll + "hide", min = "set Minimized=True, ",
                    about =
                        "box "s + kCredit + "\r\n" + kHomePage + ", Open " + kHomePage,
                    save = ", write " + kGames,
                    quit = ", tray delete, Minimized=False, quit, closed",
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
                             quit;
  ExpectJournals(
      {{start, shown},
       {min + start, hidden},
       {"set Hidden=True, " + start, tip + poll + front},
       {"set Hidden=tRUE, set Minimized=1, " + start, tip + poll + "hide"},
       {"set Hidden=-12, set Minimized=0, " + start, tip + poll + front},
       {"set Hidden=-0, set Minimized=1a, " + start, shown},
       {"cdroms C: Z:, " + start, tray + tip + "poll Z:, poll C:, " + front},
       {"cdroms A: B:, " + start, ""},
       {"running, " + start, ""},
       {"insert E:, " + start, tray + tip + poll + switched + front},
       {"insert E:, emulator, " + start + ", icon 515",
        tray + tip + poll + switched + "activate, keys, show behind, " + front},
       {"insert E:, emulator, " + min + start,
        tray + tip + poll + switched + "activate, keys, hide"},
       {min + start + ", icon 515, icon 515", hidden + ", " + front + ", show"},
       {min + start + ", icon 512, icon 513, icon 514, icon 516, icon 518", hidden},
       {min + start + ", icon 519, icon 520, icon 521, icon 1311235", hidden},
       {start + ", inmenu icon 517; icon 515, icon 517", shown + ", menu"},
       {start + ", inmenu menu 0, icon 517", shown + ", menu, show"},
       {start + ", inmenu menu 3, icon 517", shown + ", menu, " + about},
       {start + ", click lblCredits", shown + ", " + about},
       {min + start + ", inmenu menu 5, icon 517",
        hidden + ", menu, tray delete, Minimized=True, quit"},
       {start + ", change, close 0, close 0", shown + save + ", hide, hide"},
       {start + ", change, close 1", shown + save + quit},
       {start + ", close 0, close 3",
        shown + ", hide, tray delete, Minimized=True, quit, closed"},
       {start + ", taskbar", shown + ", tray add"},
       // A tick while a poll shows a message box does not poll inside it; a
       // disc announced meanwhile is polled for when the box has gone.
       {start + ", registry fails, inbox tick; announce 16, insert E:, tick",
        shown + ", tick, poll E:, select 0, " + kNotWritten + ", tick, poll E:"},
       // A failed save at Exit asks before the rows are lost; No keeps the program.
       {start + ", change, writes fail, close 1", shown + save + unsaved + endAnyway},
       {start + ", change, writes fail, answer 1, answer 6, close 1",
        shown + save + unsaved + endAnyway + quit},
       {start + ", change, writes fail, close 3", shown + save + unsaved + quit},
       // A list not read whole (or not even examined) is kept as far as it was
       // read, in place before the box, whose ticks poll; it is never saved.
       {"reads fail 44, insert E:, inbox tick, games " + kOneGame + kOneGame +
            ", start, change, close 2",
        tray + tip + unread + ", tick, " + poll + switched + poll + front + unsafe},
       {"locked " + kGames + ", " + start + ", change, close 2",
        tray + "tip 0 games listed, " + unread + ", " + poll + front + unsafe},
       {"out of memory, " + start + ", change, close 2", tray + poll + front + unsafe},
       {"set Hidden=True, " + start + ", taskbar, tick, shift, tick, tick, taskbar",
        tip + poll + front +
            ", tick, poll E:, tick, tray add, poll E:, tick, poll E:, tray add"},
       {start + ", shift, tick", shown + ", tick, poll E:"}});
  Machine m;
  m.Start();  // tray events come as mouse moves (0x200) to the main window
  EXPECT_EQ(std::tie(m.icon.cbSize, m.icon.uID, m.icon.uFlags, m.icon.uCallbackMessage,
                     m.icon.hWnd, m.icon.hIcon),
            std::tuple(88u, 1u, 7u, 0x200u, m.main().Handle(), m.main().Icon()));
  const std::string szTip(m.icon.szTip.data(), 64), text = kAppCaption + " - "s + kCredit;
  EXPECT_EQ(szTip, text + '\0' + std::string(63 - text.size(), ' '));
}

// Steps, each followed by the number of card switches so far. A disc is
// switched once, and again only after a poll has found every drive empty.
TEST(DiscWatcher, SwitchesEachInsertedDiscOnce) {
  const std::string two = "cdroms F: E: 0, eject F: 0, ";
  // clang-format off
  const std::string rows[] = {
      "start 0, insert E: 0, tick 1, tick 1, eject E: 1, tick 1, insert E: 1, tick 2",
      "start 0, insert E: 0, shift 0, tick 0, unshift 0, tick 0, eject E: 0, tick 0, "
          "insert E: 0, tick 1",
      "start 0, audio E: 0, tick 0, insert E: 0, tick 0",  // no boot file: handled
      "start 0, insert E: 0, tick 1, mute E: 1, tick 1, tick 1",
      "start 0, insert E: 0, mute E: 0, tick 0",
      "start 0, insert E: 0, tick 1, menu 1 1, eject E: 1, tick 1, insert E: 1, menu 1 1, "
          "tick 1, eject E: 1, tick 1, insert E: 1, tick 2",
      two + "start 0, insert E: 0, tick 1, tick 1, eject E: 1, tick 1, insert E: 1, tick 2",
      two + "start 0, insert E: 0, tick 1, eject E: 1, insert F: 1, tick 1, eject F: 1, "
          "tick 1, insert E: 1, tick 2",
      // A drive that never answers keeps its own answer (none: no disc).
      "cdroms F: E: 0, mute F: 0, start 0, insert E: 0, tick 1, eject E: 1, tick 1, "
          "insert E: 1, tick 2",
      // An announced arrival in E: (bit 4) is polled at once, unless switched off.
      "start 0, insert E: 0, announce 32 0, announce 16 1, eject E: 1, announce 16 1, "
          "menu 1 1, insert E: 1, announce 16 1"};
  // clang-format on
  for (const std::string& steps : rows) {
    Machine m;
    m.files = {{kGames, kOneGame}, {"C:\\g.mem", "x"}};
    std::istringstream in(steps);
    for (std::string step; std::getline(in >> std::ws, step, ',');) {
      m.Do(step.substr(0, step.rfind(' ')));
      EXPECT_EQ(std::count(m.log.begin(), m.log.end(), "card C:\\g.mem"),
                step.back() - '0')
          << steps << ": " << step;
    }
  }
}

// The disc in E: is SLUS-00453. Its card goes to the registry, then the
// emulator comes to the front and gets the keys that make it take the card.
TEST(CardSwitcher, AppliesTheCardOfTheFirstRowWithTheDiscsId) {
  auto on = [](const std::string& games, const std::string& more) {
    return "games " + games +
           ", file C:\\g.mem=x, file C:\\o.mem=x, file E:\\system.cnf=" + kBoot + more +
           ", start, clear, switch";
  };
  const std::string other = "SCUS-94491 O\tC:\\o.mem\r\n", emulator = ", emulator",
                    card = "select 0, card C:\\g.mem", keys = ", activate, keys";
  ExpectJournals(
      {{on(other + kOneGame, emulator), "select 1, card C:\\g.mem" + keys},
       {on("slus-00453 G\tC:\\g.mem\r\nSLUS-00453 H\tC:\\o.mem", emulator), card + keys},
       {on(kOneGame, ""), card},
       {on(kOneGame, ", emulator, registry fails"), "select 0, " + kNotWritten},
       {on(other, emulator), ""},
       {on("SLUS-00453 G\tC:\\o.mem", ", emulator, file C:\\o.mem="), "select 0"},
       {on("SLUS-00453 G", emulator), "select 0"},
       {on(kOneGame, ", emulator, file E:\\system.cnf=TCB = 4"), ""},
       {on(kOneGame, ", emulator, file E:\\system.cnf=BOOT = cdrom:\\S"), ""}});
  Machine m;
  m.Do(on(kOneGame, emulator));
  EXPECT_EQ(m.registry[kMemoryCardsKey + "\\"s + kBank0Slot0], "C:\\g.mem\0"s);
  EXPECT_EQ(m.sentKeys, *ParseKeyString("~%(E){Up}~~"));
}

}  // namespace
}  // namespace slotmate
