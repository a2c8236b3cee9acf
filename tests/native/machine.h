#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "app/form_slotmate.h"
#include "editor/form_game.h"
#include "fakes/fake_platform.h"

namespace slotmate {

using fakes::Fake;
using platform::UnloadMode;
using Rows = std::vector<std::string>;
using namespace std::string_literals;

inline const std::string kBoot = "BOOT = cdrom:\\SLUS_004.53;1\r\nTCB = 4\r\n";
inline const std::string kGames = "C:\\Slotmate\\games.txt";
inline const std::string kSlot =
    "SOFTWARE\\Connectix\\Connectix Virtual Game Station\\Memory Cards\\Bank 00 Slot 00";
inline const std::string kEmulator = "Connectix Virtual Game Station";
inline const std::string kHidden = "Slotmate\\Settings\\Hidden";
inline const std::string kMinimized = "Slotmate\\Settings\\Minimized";
// Enter, Alt+E, Up, Enter, Enter.
inline const std::vector<platform::KeyEvent> kEmulatorKeys = {
    {13, true}, {13, false}, {18, true}, {'E', true}, {'E', false}, {18, false},
    {38, true}, {38, false}, {13, true}, {13, false}, {13, true},   {13, false}};

// A machine whose only CD-ROM drive is E:, with the program on it. A test
// puts discs, the catalogue, cards and the emulator in place, then starts it.
struct Machine : fakes::FakeSystem {
  std::unique_ptr<formSlotmate> form;

  Machine() { drives["E:\\"] = 5; }
  bool Start(const std::string& catalogue = "") {
    if (!catalogue.empty()) files[kGames] = catalogue;
    form = std::make_unique<formSlotmate>(platform);
    return form->Form_Load();
  }
  fakes::FakeWindow& main() { return Fake(form->window); }
  fakes::FakeControl& list() { return Fake(form->lstGames); }
  formGame& editor() { return form->GameEditor(); }

  // Steps of the user and the clock, separated by commas: "insert E:" (a
  // disc booting kBoot), "audio E:" (one without boot file), "eject E:",
  // "mute E:" (the drive answers no status), "tick" (noted in the journal),
  // "shift", "unshift", "icon N" (a tray notification), "menu N" (an item of
  // the tray menu), "key N", "click NAME" (a control of either window),
  // "dblclick" (the list), "select N", "answer N" (to the next message box),
  // "type TEXT" (in the next input box), "fill TITLE|CODE|PATH" (the editor's
  // boxes), "boxes" (notes them), "change" (the rows), "close N" (unload
  // mode N), "taskbar", "emulator" (starts), "registry fails", "writes fail",
  // "Hidden=True" (a setting).
  void Do(const std::string& steps) {
    std::istringstream in(steps);
    for (std::string step; std::getline(in >> std::ws, step, ',');) {
      const std::string verb = step.substr(0, step.find(' ')),
                        arg = step.substr(std::min(step.size(), verb.size() + 1));
      const int n = std::atoi(arg.c_str());
      if (verb == "insert" || verb == "audio") media[arg] = "True";  // in either case
      if (verb == "insert") files[arg + "\\system.cnf"] = kBoot;
      if (verb == "eject") media[arg] = "FALSE", files.erase(arg + "\\system.cnf");
      if (verb == "mute") media.erase(arg);
      if (verb == "tick") log.push_back("tick"), Fake(form->Timer1).Fire("tick");
      if (verb == "shift" || verb == "unshift") shift = verb == "shift";
      if (verb == "icon") main().mouseMove(n);
      if (verb == "menu") Fake(form->mnuMain).Fire(arg);
      if (verb == "key") main().keyDown(n, 0);
      if (verb == "click")
        (main().Find(arg) ? main() : Fake(editor().window)).Find(arg)->Fire("click");
      if (verb == "dblclick") list().Fire("dblclick");
      if (verb == "select") list().SetListIndex(n);
      if (verb == "answer") answers.push_back(n);
      if (verb == "type") typed.push_back(arg);
      if (verb == "fill") {
        std::istringstream boxes(arg);
        for (auto* box : {&editor().txtTitle, &editor().txtCode, &editor().txtPath})
          std::getline(boxes, Fake(*box).text, '|');
      }
      if (verb == "boxes") log.push_back("boxes " + Boxes());
      if (verb == "change") form->DataChanged = true;
      if (verb == "close") main().RequestClose(UnloadMode(n));
      if (verb == "taskbar") main().taskbarCreated();
      if (verb == "emulator") windows.push_back(kEmulator + " - running");
      if (step == "registry fails") failSetValue = 5;
      if (step == "writes fail") failWrites = "Access is denied.";
      if (const auto eq = verb.find('='); eq != std::string::npos)
        settings["Slotmate\\Settings\\" + verb.substr(0, eq)] = verb.substr(eq + 1);
    }
  }
  // The journal since it was last read, as "entry, entry".
  std::string Journal() {
    std::string text;
    for (const auto& entry : log) text += (text.empty() ? "" : ", ") + entry;
    return log.clear(), text;
  }
  // The editor's boxes, "title|code|path".
  void Fill(const std::string& title, const std::string& code, const std::string& path) {
    editor().txtTitle.SetText(title), editor().txtCode.SetText(code);
    editor().txtPath.SetText(path);
  }
  std::string Boxes() {
    formGame& e = editor();
    return e.txtTitle.Text() + "|" + e.txtCode.Text() + "|" + e.txtPath.Text();
  }
};

}  // namespace slotmate
