#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "app/form_slotmate.h"
#include "editor/form_game.h"
#include "fakes/fake_platform.h"
#include "watch/game_id.h"

namespace slotmate {

using fakes::Fake;
using fakes::Str;
using Rows = std::vector<std::string>;
using namespace std::literals;

inline const std::string kBoot = "BOOT = cdrom:\\SLUS_004.53;1\r\nTCB = 4\r\n";
inline const std::string kGames = "C:\\Slotmate\\games.txt";
inline const std::string kBlankCard =
    "VgsM\1\0\0\0\1\0\0\0\1\0\0\0\0\2"s + std::string(131118, '\0');
inline const std::string kNotWritten =
    "box The emulator's memory card setting could not be written:\r\nHKEY_CURRENT_USER\\"
    "SOFTWARE\\Connectix\\Connectix Virtual Game Station\\Memory Cards\r\nBank 00 Slot "
    "00\r\n\r\nThe emulator keeps the card it had.";

// The names steps use for the numbers the program knows.
inline const std::map<std::string, int> kKeys = {{"Enter", 13},  {"Alt", 18}, {"Up", 38},
                                                 {"Delete", 46}, {"E", 69},   {"F", 70},
                                                 {"X", 88},      {"F3", 114}};
inline const std::map<std::string, int> kAnswers = {{"OK", 1}, {"Yes", 6}, {"No", 7}};
inline const std::map<std::string, int> kMenuItems = {{"Configure Games", 0},
                                                      {"Enabled", 1},
                                                      {"Add New Games", 2},
                                                      {"About", 4},
                                                      {"Exit", 6}};
inline const std::map<std::string, std::string> kButtons = {
    {"Add", "btnAdd"},       {"Change", "btnChange"},   {"Remove", "btnDel"},
    {"Select", "btnSelect"}, {"credits", "lblCredits"}, {"Save", "btnSave"},
    {"Cancel", "btnCancel"}, {"Browse", "btnBrowse"},   {"Get", "btnGet"}};
// Tray icon notifications: mouse messages over the icon.
constexpr std::uint32_t kDoubleClick = 515;  // left button
constexpr std::uint32_t kRightClick = 517;   // right button released

// A machine whose only CD-ROM drive is E:, with the program on it.
struct Machine : fakes::FakeSystem {
  using Step = std::function<void(Machine&, Str)>;
  std::unique_ptr<formSlotmate> form;

  Machine() { drives["E:\\"] = platform::kDriveCdrom; }
  bool Start() {
    form = std::make_unique<formSlotmate>(platform);
    return form->Form_Load();
  }
  fakes::FakeWindow& main() { return Fake(form->window); }
  fakes::FakeControl& list() { return Fake(form->lstGames); }
  fakes::FakeControl& menu() { return Fake(form->mnuMain); }
  formGame& editor() { return form->GameEditor(); }

  // Takes steps separated by commas, each named in kSteps below.
  void Do(Str steps);
  // The journal since it was last read, as "entry, entry".
  std::string Journal() {
    std::string text;
    for (const auto& entry : log) text += (text.empty() ? "" : ", ") + entry;
    log.clear();
    return text;
  }
};

// Steps given to "in menu", "in box" and "in editor", separated by semicolons.
inline std::string Later(std::string steps) {
  std::replace(steps.begin(), steps.end(), ';', ',');
  return steps;
}

// Each step by its name; what follows the name is the step's argument.
inline const std::map<std::string, Machine::Step> kSteps = {
    // The machine before start-up.
    {"cdroms",  // "cdroms C: Z:": its only CD-ROM drives
     [](Machine& m, Str roots) {
       m.drives.clear();
       std::istringstream in(roots);
       for (std::string root; in >> root;) m.drives[root + "\\"] = platform::kDriveCdrom;
     }},
    {"already running", [](Machine& m, Str) { m.anotherInstance = true; }},
    {"set",  // "set Hidden=True"
     [](Machine& m, Str setting) {
       const auto is = setting.find('=');
       m.settings["Slotmate\\Settings\\" + setting.substr(0, is)] =
           setting.substr(is + 1);
     }},
    {"games", [](Machine& m, Str text) { m.files[kGames] = text; }},
    {"file",  // "file PATH=BYTES"
     [](Machine& m, Str file) {
       const auto is = file.find('=');
       m.files[file.substr(0, is)] = file.substr(is + 1);
     }},
    {"no file", [](Machine& m, Str path) { m.files.erase(path); }},
    {"folder", [](Machine& m, Str path) { m.folders.insert(path); }},
    {"emulator running",
     [](Machine& m, Str) { m.windows.push_back("Connectix Virtual Game Station 1.0"); }},
    {"registry fails", [](Machine& m, Str) { m.failSetValue = 5; }},
    {"writes fail", [](Machine& m, Str) { m.failWrites = "Access is denied."; }},
    {"writes work", [](Machine& m, Str) { m.failWrites.reset(); }},
    {"reads fail after", [](Machine& m, Str n) { m.readFailsAt = std::stoul(n); }},
    {"out of memory", [](Machine& m, Str) { m.outOfMemory = true; }},  // at every read
    {"no tray", [](Machine& m, Str) { m.noTray = true; }},
    {"no system DLLs", [](Machine& m, Str) { m.noSystemDlls = true; }},
    {"locked",
     [](Machine& m, Str path) { m.locked.insert(path); }},  // cannot be examined
    // Discs. A silent drive gives no status.
    {"insert",
     [](Machine& m, Str drive) {
       m.media[drive] = "True";
       m.files[drive + "\\system.cnf"] = kBoot;
     }},
    {"disc",  // "disc SCUS-94164": that game's disc goes into E:
     [](Machine& m, Str id) {
       m.media["E:"] = "True";
       m.files["E:\\system.cnf"] = "BOOT = cdrom:\\" + id.substr(0, 4) + "_" +
                                   id.substr(5, 3) + "." + id.substr(8);
     }},
    {"eject",
     [](Machine& m, Str drive) {
       m.media[drive] = "FALSE";
       m.files.erase(drive + "\\system.cnf");
     }},
    {"silent", [](Machine& m, Str drive) { m.media.erase(drive); }},
    {"announce",  // "announce E:": a disc arrived; "announce E: left"
     [](Machine& m, Str drive) {
       m.log.push_back("announce " + drive);
       m.main().mediaChange(1u << (drive[0] - 'A'), !drive.ends_with("left"));
     }},
    {"hold Shift",
     [](Machine& m, Str) {
       m.shift = true;
       m.shiftPressed = true;
     }},
    {"release Shift", [](Machine& m, Str) { m.shift = false; }},
    // The program and its clock.
    {"start",
     [](Machine& m, Str) {
       if (!m.Start()) m.log.push_back("end");
     }},
    {"tick",
     [](Machine& m, Str) {
       m.log.push_back("tick");
       Fake(m.form->Timer1).Fire("tick");
     }},
    {"switch", [](Machine& m, Str) { m.form->SwitchCard(GetID(m, "E:")); }},
    {"change",  // the player adds a game in the editor; the journal leaves it out
     [](Machine& m, Str) {
       const std::size_t seen = m.log.size();
       m.Do("in editor fill Changed|SLPS-01234|C:\\g.mem; click Save, click Add");
       m.whileModal = nullptr;
       m.log.resize(seen);
     }},
    {"clear", [](Machine& m, Str) { m.log.clear(); }},  // the journal
    // The tray icon and its menu.
    {"double-click icon", [](Machine& m, Str) { m.main().mouseMove(kDoubleClick); }},
    {"right-click icon", [](Machine& m, Str) { m.main().mouseMove(kRightClick); }},
    {"menu",  // "menu Exit": right-click the icon and choose Exit
     [](Machine& m, Str item) {
       m.menu().whileOpen = [&m, item] {
         m.menu().Fire(std::to_string(kMenuItems.at(item)));
       };
       m.main().mouseMove(kRightClick);
       m.menu().whileOpen = nullptr;
     }},
    {"in menu",  // right-click the icon and take steps while its menu is open
     [](Machine& m, Str steps) {
       m.menu().whileOpen = [&m, steps] { m.Do(Later(steps)); };
       m.main().mouseMove(kRightClick);
       m.menu().whileOpen = nullptr;
     }},
    // The main window.
    {"click",  // "click Remove", in the main window or the editor
     [](Machine& m, Str button) {
       const std::string name = kButtons.at(button);
       auto& window =
           m.main().controls.contains(name) ? m.main() : Fake(m.editor().window);
       window.controls.at(name)->Fire("click");
     }},
    {"double-click row", [](Machine& m, Str) { m.list().Fire("dblclick"); }},
    {"select",  // "select 2", "select none"
     [](Machine& m, Str row) {
       m.list().SetListIndex(row == "none" ? -1 : std::stoi(row));
     }},
    {"key", [](Machine& m, Str key) { m.main().keyDown(kKeys.at(key), 0); }},
    {"close box",
     [](Machine& m, Str) { m.main().RequestClose(platform::UnloadMode::kUser); }},
    {"Windows ends",
     [](Machine& m, Str) { m.main().RequestClose(platform::UnloadMode::kSession); }},
    {"closed by another program",
     [](Machine& m, Str) { m.main().RequestClose(platform::UnloadMode::kOutside); }},
    {"taskbar restarts", [](Machine& m, Str) { m.main().taskbarCreated(); }},
    // Message boxes, input boxes, the open dialog and the editor.
    {"answer", [](Machine& m, Str button) { m.answers.push_back(kAnswers.at(button)); }},
    {"type", [](Machine& m, Str text) { m.typed.push_back(text); }},  // "type ": Cancel
    {"choose", [](Machine& m, Str path) { m.chosenFile = path; }},
    {"in box",  // steps taken while the next message box is open
     [](Machine& m, Str steps) { m.whileBox = [&m, steps] { m.Do(Later(steps)); }; }},
    {"in editor",  // steps taken while the editor is open; then its close box
     [](Machine& m, Str steps) {
       m.whileModal = [&m, steps](fakes::FakeWindow&) { m.Do(Later(steps)); };
     }},
    {"fill",  // "fill TITLE|CODE|PATH"
     [](Machine& m, Str text) {
       std::istringstream boxes(text);
       for (auto* box : {&m.editor().txtTitle, &m.editor().txtCode, &m.editor().txtPath})
         std::getline(boxes, Fake(*box).text, '|');
     }},
    {"validate",
     [](Machine& m, Str) {
       m.log.push_back(m.editor().ValidateEntry() ? "valid" : "refused");
     }},
    // What the user would see, written to the journal.
    {"boxes",
     [](Machine& m, Str) {
       formGame& e = m.editor();
       m.log.push_back("boxes " + e.txtTitle.Text() + "|" + e.txtCode.Text() + "|" +
                       e.txtPath.Text());
     }},
    {"look at card",
     [](Machine& m, Str path) {
       m.log.push_back(m.files[path] == kBlankCard ? "blank card" : "not a blank card");
     }},
};

inline void Machine::Do(Str steps) {
  std::istringstream in(steps);
  for (std::string step; std::getline(in >> std::ws, step, ',');) {
    // The longest name the step starts with.
    auto named = kSteps.end();
    for (auto it = kSteps.begin(); it != kSteps.end(); ++it) {
      const bool fits = step == it->first || step.starts_with(it->first + " ");
      if (fits && (named == kSteps.end() || it->first.size() > named->first.size()))
        named = it;
    }
    if (named == kSteps.end()) throw std::invalid_argument("no such step: " + step);
    named->second(*this, step.substr(std::min(step.size(), named->first.size() + 1)));
  }
}

struct Row {
  std::string name, steps, journal;
};

// Runs each row's steps on a new machine where the card C:\g.mem exists, and
// compares the journal; the program leaves no registry key open.
inline void ExpectJournals(const std::vector<Row>& rows) {
  for (const auto& [name, steps, journal] : rows) {
    Machine m;
    m.files["C:\\g.mem"] = "x";
    m.Do(steps);
    EXPECT_EQ(m.Journal(), journal) << name << ": " << steps;
    EXPECT_TRUE(m.openKeys.empty()) << name;
  }
}

}  // namespace slotmate
