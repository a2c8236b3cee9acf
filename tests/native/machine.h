#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/form_slotmate.h"
#include "editor/form_game.h"
#include "fakes/fake_platform.h"

namespace slotmate {

using fakes::Fake;
using platform::UnloadMode;
using Rows = std::vector<std::string>;
using namespace std::string_literals;

inline const std::string kBoot = "BOOT = cdrom:\\SLUS_004.53;1\r\nTCB = 4\r\n";
inline const std::string kGames = "C:\\Games\\Slotmate\\games.txt";
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
  fakes::FakeControl& menu() { return Fake(form->mnuMain); }
  formGame& editor() { return form->GameEditor(); }
  // The editor's boxes as "title|code|path".
  void Fill(const std::string& title, const std::string& code, const std::string& path) {
    editor().txtTitle.SetText(title), editor().txtCode.SetText(code);
    editor().txtPath.SetText(path);
  }
  std::string Boxes() {
    formGame& e = editor();
    return e.txtTitle.Text() + "|" + e.txtCode.Text() + "|" + e.txtPath.Text();
  }
  // Drivers answer the media status in either case.
  void Insert(const std::string& drive, const std::string& boot = kBoot) {
    media[drive] = "True";
    if (!boot.empty()) files[drive + "\\system.cnf"] = boot;
  }
  void Eject(const std::string& drive) {
    media[drive] = "FALSE";
    files.erase(drive + "\\system.cnf");
  }
  int Logged(const std::string& entry) const {
    return int(std::count(log.begin(), log.end(), entry));
  }
  Rows Texts() const {
    Rows texts;
    for (const auto& box : boxes) texts.push_back(box.text);
    return texts;
  }
};

}  // namespace slotmate
