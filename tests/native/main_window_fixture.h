#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/form_slotmate.h"
#include "fakes/fake_platform.h"

namespace slotmate::testing_support {

inline constexpr char kBootSlus453[] = "BOOT = cdrom:\\SLUS_004.53;1\r\nTCB = 4\r\n";
inline constexpr char kCardsKey[] =
    "SOFTWARE\\Connectix\\Connectix Virtual Game Station\\Memory Cards";
inline constexpr char kGames[] = "C:\\Games\\Slotmate\\games.txt";

// A machine with the program on it: drives, discs, a catalogue, cards and
// the emulator are set up by each test, then the main window is loaded.
class MainWindowTest : public ::testing::Test {
 protected:
  fakes::FakePlatform fake;
  std::unique_ptr<formSlotmate> form;
  bool loaded = false;

  void SetUp() override { fake.drives.types["E:\\"] = 5; }

  bool Start() {
    form = std::make_unique<formSlotmate>(fake.platform);
    loaded = form->Form_Load();
    return loaded;
  }
  fakes::FakeWindow& window() { return fake.toolkit.window("formSlotmate"); }
  fakes::FakeListBox& list() { return window().listBox("lstGames"); }
  fakes::FakeTimer& timer() { return window().timer("Timer1"); }
  fakes::FakePopupMenu& menu() { return window().menu("mnuMain"); }

  void InsertDisc(const std::string& drive, const std::string& bootFile = kBootSlus453) {
    fake.media.status[drive] = "true";
    if (!bootFile.empty()) fake.files.files[drive + "\\system.cnf"] = bootFile;
  }
  void Eject(const std::string& drive) {
    fake.media.status[drive] = "false";
    fake.files.files.erase(drive + "\\system.cnf");
  }
  void Catalogue(const std::string& text) { fake.files.files[kGames] = text; }
  void Card(const std::string& path, std::size_t bytes = 131136) {
    fake.files.files[path] = std::string(bytes, '\0');
  }
  // How many times the emulator's card value has been written.
  int Switches() const {
    return int(std::count(fake.journal.begin(), fake.journal.end(),
                          "RegSetValueEx Bank 00 Slot 00"));
  }
  std::string CardValue() const {
    const auto* value = fake.registry.Find(kCardsKey, "Bank 00 Slot 00");
    return value ? value->data : "<none>";
  }
};

}  // namespace slotmate::testing_support
