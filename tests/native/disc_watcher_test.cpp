#include <gtest/gtest.h>

#include <sstream>

#include "native/main_window_fixture.h"

namespace slotmate {
namespace {

using testing_support::MainWindowTest;

struct WatchCase {
  const char* name;
  std::vector<std::string> drives;  // CD-ROM drives of the machine
  // Steps of the user or the clock, each followed by the number of card
  // switches seen after it: "insert E: 0, tick 1". A step is one of "insert E:",
  // "audio E:", "eject E:", "mute E:", "tick", "shift down", "shift up" and
  // "menu enabled".
  std::string steps;
};

class DiscWatcherTest : public MainWindowTest,
                        public ::testing::WithParamInterface<WatchCase> {
 protected:
  void Do(const std::string& action) {
    std::istringstream words(action);
    std::string verb, what;
    words >> verb >> what;
    if (verb == "insert")
      InsertDisc(what);
    else if (verb == "audio")
      InsertDisc(what, "");  // a disc without boot file
    else if (verb == "eject")
      Eject(what);
    else if (verb == "mute")
      fake.media.status[what] = std::nullopt;  // no status reply
    else if (verb == "tick")
      timer().Tick();
    else if (verb == "shift")
      fake.keyboard.shiftDown = what == "down";
    else if (verb == "menu")
      menu().Choose(1);
    else
      FAIL() << "unknown step " << action;
  }
};

TEST_P(DiscWatcherTest, SwitchesEachInsertedDiscOnce) {
  fake.drives.types.clear();
  for (const auto& drive : GetParam().drives) {
    fake.drives.types[drive + "\\"] = 5;
    Eject(drive);
  }
  Catalogue("SLUS-00453 Some Game\tC:\\VGS\\some.mem\r\n");
  Card("C:\\VGS\\some.mem");
  ASSERT_TRUE(Start());
  std::istringstream steps(GetParam().steps);
  for (std::string step; std::getline(steps, step, ',');) {
    const auto last = step.find_last_of(' ');
    Do(step.substr(0, last));  // Do reads the words, blanks around them aside
    EXPECT_EQ(Switches(), std::stoi(step.substr(last + 1))) << "after " << step;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Polls, DiscWatcherTest,
    ::testing::Values(
        WatchCase{"InsertStayEjectReinsert",
                  {"E:"},
                  "insert E: 0, tick 1, tick 1, tick 1, eject E: 1, tick 1, insert E: 1, "
                  "tick 2"},
        WatchCase{"ShiftHeldAtInsertion",
                  {"E:"},
                  "insert E: 0, shift down 0, tick 0, shift up 0, tick 0, eject E: 0, "
                  "tick 0, insert E: 0, tick 1"},
        // The boot file appears while the disc stays in.
        WatchCase{"DiscWithoutBootFileCountsAsHandled",
                  {"E:"},
                  "audio E: 0, tick 0, insert E: 0, tick 0"},
        WatchCase{"UnansweredStatusKeepsThePreviousAnswer",
                  {"E:"},
                  "insert E: 0, tick 1, mute E: 1, tick 1, tick 1"},
        WatchCase{"UnansweredStatusFromTheStartSeesNoDisc",
                  {"E:"},
                  "insert E: 0, mute E: 0, tick 0"},
        WatchCase{"DiscExchangedWhileWatchingIsOff",
                  {"E:"},
                  "insert E: 0, tick 1, menu enabled 1, eject E: 1, tick 1, insert E: 1, "
                  "menu enabled 1, tick 1"},
        WatchCase{"DiscBehindAnEmptyDriveIsSwitchedOnce",
                  {"F:", "E:"},
                  "insert E: 0, tick 1, tick 1, tick 1, eject E: 1, tick 1, insert E: 1, "
                  "tick 2"},
        WatchCase{"SecondDiscInTheOtherDriveWaitsForBothToEmpty",
                  {"F:", "E:"},
                  "insert E: 0, tick 1, eject E: 1, insert F: 1, tick 1, eject F: 1, "
                  "tick 1, insert E: 1, tick 2"}),
    [](const auto& info) { return info.param.name; });

TEST_F(MainWindowTest, SendsTheThreeMediaCommandsPerDriveAndStopsAtTheFirstDisc) {
  fake.drives.types = {{"D:\\", 5}, {"E:\\", 5}, {"F:\\", 5}};
  Eject("F:");
  InsertDisc("E:", "");
  InsertDisc("D:", "");
  ASSERT_TRUE(Start());
  EXPECT_EQ(fake.media.commands,
            (std::vector<std::string>{"open F: Type cdaudio Alias cdvgs wait",
                                      "status cdvgs media present wait", "close cdvgs",
                                      "open E: Type cdaudio Alias cdvgs wait",
                                      "status cdvgs media present wait", "close cdvgs"}));
  EXPECT_EQ(form->CurrentDrive, "E:");
  EXPECT_TRUE(form->DiscSeen);
}

TEST_F(MainWindowTest, StatusAnswerIsReadInAnyCase) {
  fake.media.status["E:"] = "TRUE";
  ASSERT_TRUE(Start());
  EXPECT_TRUE(form->MediaPresent);
  fake.media.status["E:"] = "False";
  timer().Tick();
  EXPECT_FALSE(form->MediaPresent);
  EXPECT_FALSE(form->DiscSeen);
}

TEST_F(MainWindowTest, AllDrivesEmptyLeavesTheLastDriveCurrent) {
  fake.drives.types = {{"D:\\", 5}, {"E:\\", 5}};
  Eject("D:");
  Eject("E:");
  ASSERT_TRUE(Start());
  EXPECT_EQ(form->CurrentDrive, "D:");
  EXPECT_FALSE(form->DiscSeen);
}

TEST_F(MainWindowTest, ShiftRevealsAHiddenTrayIconOnce) {
  fake.settings.values["Slotmate\\Settings\\Hidden"] = "True";
  ASSERT_TRUE(Start());
  EXPECT_EQ(fake.tray.Count(platform::kNimAdd), 0);
  timer().Tick();
  EXPECT_EQ(fake.tray.Count(platform::kNimAdd), 0);
  fake.keyboard.shiftDown = true;
  timer().Tick();
  timer().Tick();
  EXPECT_EQ(fake.tray.Count(platform::kNimAdd), 1);
  EXPECT_FALSE(form->TrayHidden);
}

TEST_F(MainWindowTest, ShiftNeverAddsASecondIcon) {
  ASSERT_TRUE(Start());
  fake.keyboard.shiftDown = true;
  timer().Tick();
  EXPECT_EQ(fake.tray.Count(platform::kNimAdd), 1);
}

}  // namespace
}  // namespace slotmate
