#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "app/form_slotmate.h"
#include "editor/form_game.h"
#include "fakes/fake_platform.h"

namespace slotmate {

using fakes::Fake;
using Rows = std::vector<std::string>;
using namespace std::string_literals;

inline const std::string kBoot = "BOOT = cdrom:\\SLUS_004.53;1\r\nTCB = 4\r\n";
inline const std::string kGames = "C:\\Slotmate\\games.txt";
inline const std::string kNotWritten =
    "box The emulator's memory card setting could not be written:\r\nHKEY_CURRENT_USER\\"
    "SOFTWARE\\Connectix\\Connectix Virtual Game Station\\Memory Cards\r\nBank 00 Slot "
    "00\r\n\r\nThe emulator keeps the card it had.";

// A machine whose only CD-ROM drive is E:, with the program on it.
struct Machine : fakes::FakeSystem {
  std::unique_ptr<formSlotmate> form;

  Machine() { drives["E:\\"] = 5; }
  bool Start() { return (form = std::make_unique<formSlotmate>(platform))->Form_Load(); }
  fakes::FakeWindow& main() { return Fake(form->window); }
  fakes::FakeControl& list() { return Fake(form->lstGames); }
  formGame& editor() { return form->GameEditor(); }

  // Runs steps of the user, the clock and the system, separated by commas;
  // "inmenu" and "ineditor" take steps separated by semicolons, to be taken
  // while the tray menu or the editor is open. "games" writes the catalogue,
  // "file PATH" removes a file, "audio E:" inserts a disc without boot file,
  // "mute E:" makes the drive answer no status, "clear" empties the journal,
  // "boxes" notes the editor's boxes, "buttons" whether Change and Remove are
  // enabled, "change" marks the rows changed.
  void Do(const std::string& steps) {
    std::istringstream in(steps);
    for (std::string step; std::getline(in >> std::ws, step, ',');) {
      const std::string verb = step.substr(0, step.find(' ')),
                        arg = step.substr(std::min(step.size(), verb.size() + 1)),
                        key = arg.substr(0, arg.find('=')),
                        value = arg.substr(std::min(arg.size(), key.size() + 1));
      const int n = std::atoi(arg.c_str());
      std::string later = arg;
      std::replace(later.begin(), later.end(), ';', ',');
      if (verb == "cdroms") drives.clear();
      std::istringstream roots(verb == "cdroms" ? arg : "");
      for (std::string root; roots >> root;) drives[root + "\\"] = 5;
      if (verb == "running") anotherInstance = true;
      if (verb == "set") settings["Slotmate\\Settings\\" + key] = value;
      if (verb == "games") files[kGames] = arg;
      if (verb == "file") files[key] = value;
      if (verb == "file" && key == arg) files.erase(arg);  // without "=": no file
      if (verb == "emulator") windows.push_back("Connectix Virtual Game Station 1.0");
      if (verb == "insert" || verb == "audio") media[arg] = "True";  // in either case
      if (verb == "insert") files[arg + "\\system.cnf"] = kBoot;
      if (verb == "eject") media[arg] = "FALSE", files.erase(arg + "\\system.cnf");
      if (verb == "mute") media.erase(arg);
      if (verb == "shift" || verb == "unshift") shift = verb == "shift";
      if (step == "registry fails") failSetValue = 5;
      if (step == "writes fail") failWrites = "Access is denied.";
      if (step == "writes work") failWrites.reset();
      if (verb == "reads") readFailsAt = std::atoi(arg.c_str() + 5);  // "reads fail N"
      if (step == "out of memory") outOfMemory = true;                // at every read
      if (verb == "locked") locked.insert(arg);
      if (verb == "folder") folders.insert(arg);
      if (verb == "announce") main().mediaChange(n);
      if (verb == "editorclose")
        Fake(editor().window).RequestClose(platform::UnloadMode(n));
      if (verb == "inbox") whileBox = [this, later] { Do(later); };
      if (verb == "start") Start();
      if (verb == "clear") log.clear();
      if (verb == "switch") form->SwitchCard();
      if (verb == "validate")
        log.push_back(editor().ValidateEntry() ? "valid" : "refused");
      if (verb == "tick") log.push_back("tick"), Fake(form->Timer1).Fire("tick");
      if (verb == "icon") main().mouseMove(n);
      if (verb == "menu") Fake(form->mnuMain).Fire(arg);
      if (verb == "key") main().keyDown(n, 0);
      if (verb == "click")
        (main().controls.contains(arg) ? main() : Fake(editor().window))
            .controls[arg]
            ->Fire("click");
      if (verb == "dblclick") list().Fire("dblclick");
      if (verb == "select") list().SetListIndex(n);
      if (verb == "answer") answers.push_back(n);
      if (verb == "type") typed.push_back(arg);
      if (verb == "choose") chosenFile = arg;
      if (verb == "fill") {
        std::istringstream boxes(arg);  // "title|code|path"
        for (auto* box : {&editor().txtTitle, &editor().txtCode, &editor().txtPath})
          std::getline(boxes, Fake(*box).text, '|');
      }
      if (verb == "boxes")
        log.push_back("boxes " + editor().txtTitle.Text() + "|" +
                      editor().txtCode.Text() + "|" + editor().txtPath.Text());
      if (verb == "change") form->DataChanged = true;
      if (verb == "buttons")
        for (auto* button : {&form->btnChange, &form->btnDel})
          log.push_back(button->Enabled() ? "enabled" : "disabled");
      if (verb == "close") main().RequestClose(platform::UnloadMode(n));
      if (verb == "taskbar") main().taskbarCreated();
      if (verb == "inmenu") Fake(form->mnuMain).whileOpen = [this, later] { Do(later); };
      if (verb == "ineditor")
        whileModal = [this, later](fakes::FakeWindow&) { Do(later); };
    }
  }
  // The journal since it was last read, as "entry, entry".
  std::string Journal() {
    std::string text;
    for (const auto& entry : log) text += (text.empty() ? "" : ", ") + entry;
    return log.clear(), text;
  }
};

// Runs each row's steps on a new machine where the card C:\g.mem exists, and
// compares the journal; the program leaves no registry key open.
inline void ExpectJournals(const std::vector<std::pair<std::string, std::string>>& rows) {
  for (const auto& [steps, journal] : rows) {
    Machine m;
    m.files["C:\\g.mem"] = "x";
    m.Do(steps);
    EXPECT_EQ(m.Journal(), journal) << steps;
    EXPECT_EQ(m.openKeys, 0);
  }
}

}  // namespace slotmate
