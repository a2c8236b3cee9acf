#include <gtest/gtest.h>

#include "native/main_window_fixture.h"

namespace slotmate {
namespace {

using testing_support::MainWindowTest;

TEST_F(MainWindowTest, ScansDrivesFromZDownToCAndKeepsTheCdromsHighestFirst) {
  fake.drives.types = {{"A:\\", 5}, {"B:\\", 5}, {"C:\\", 3}, {"D:\\", 5}, {"F:\\", 5}};
  ASSERT_TRUE(Start());
  EXPECT_EQ(form->CdDrives, (std::vector<std::string>{"F:", "D:"}));
  ASSERT_EQ(fake.drives.asked.size(), 24u);
  EXPECT_EQ(fake.drives.asked.front(), "Z:\\");
  EXPECT_EQ(fake.drives.asked.back(), "C:\\");
}

TEST_F(MainWindowTest, WithoutCdromDriveEndsSilently) {
  fake.drives.types = {{"C:\\", 3}, {"A:\\", 5}};
  EXPECT_FALSE(Start());
  EXPECT_TRUE(fake.tray.calls.empty());
  EXPECT_EQ(fake.settings.writes, 0);
  EXPECT_FALSE(window().visible);
  EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(MainWindowTest, SecondInstanceEndsBeforeLookingAtAnything) {
  fake.process.anotherInstance = true;
  EXPECT_FALSE(Start());
  EXPECT_TRUE(fake.drives.asked.empty());
  EXPECT_TRUE(fake.tray.calls.empty());
  EXPECT_FALSE(window().visible);
}

TEST_F(MainWindowTest, FillsTheTrayIconRecordAndAddsTheIcon) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(fake.tray.calls.size(), 1u);
  EXPECT_EQ(fake.tray.calls[0].message, platform::kNimAdd);
  const auto& icon = fake.tray.calls[0].data;
  EXPECT_EQ(icon.cbSize, 88u);
  EXPECT_EQ(icon.hWnd, window().Handle());
  EXPECT_EQ(icon.uID, 1u);
  EXPECT_EQ(icon.uFlags, 7u);
  EXPECT_EQ(icon.uCallbackMessage, 0x200u);
  EXPECT_EQ(icon.hIcon, window().Icon());
  const std::string tip(icon.szTip.begin(), icon.szTip.end());
  const std::size_t nul = tip.find('\0');
  ASSERT_NE(nul, std::string::npos);
  EXPECT_TRUE(tip.starts_with("Slotmate 1.0c"));
  EXPECT_GT(nul, std::string("Slotmate 1.0c").size()) << "a credit follows the caption";
  EXPECT_EQ(tip.substr(nul + 1), std::string(63 - nul, ' '));
}

struct SettingsCase {
  const char* name;
  std::map<std::string, std::string> stored;
  bool iconAdded;
  bool windowShown;
};

class StartupSettingsTest : public MainWindowTest,
                            public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(StartupSettingsTest, HiddenAndMinimizedDecideIconAndWindow) {
  for (const auto& [key, text] : GetParam().stored)
    fake.settings.values["Slotmate\\Settings\\" + key] = text;
  ASSERT_TRUE(Start());
  EXPECT_EQ(fake.tray.Count(platform::kNimAdd), GetParam().iconAdded ? 1 : 0);
  EXPECT_EQ(window().visible, GetParam().windowShown);
  EXPECT_EQ(window().active, GetParam().windowShown);
  if (GetParam().windowShown) {
    EXPECT_EQ(window().focused, "btnAdd");
  }
  EXPECT_EQ(fake.settings.writes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StartupSettingsTest,
    ::testing::Values(
        SettingsCase{"NothingStored", {}, true, true},
        SettingsCase{"MinimizedTrue", {{"Minimized", "True"}}, true, false},
        SettingsCase{"MinimizedFalse", {{"Minimized", "False"}}, true, true},
        SettingsCase{"HiddenTrue", {{"Hidden", "True"}}, false, true},
        SettingsCase{"HiddenLowerCase", {{"Hidden", "true"}}, false, true},
        SettingsCase{"HiddenGarbage", {{"Hidden", "yes please"}}, true, true},
        SettingsCase{"HiddenAndMinimized",
                     {{"Hidden", "True"}, {"Minimized", "True"}},
                     false,
                     false}),
    [](const auto& info) { return info.param.name; });

// A disc in the drive at start is switched before the window shows, and the
// window shows behind the emulator, which is taking its keys.
TEST_F(MainWindowTest, DiscAtStartIsSwitchedAndTheWindowShowsBehindTheEmulator) {
  Catalogue("SLUS-00453 Some Game\tC:\\VGS\\some.mem\r\n");
  Card("C:\\VGS\\some.mem");
  InsertDisc("E:");
  fake.desktop.captions = {"Connectix Virtual Game Station"};
  ASSERT_TRUE(Start());
  EXPECT_EQ(Switches(), 1);
  EXPECT_EQ(CardValue(), std::string("C:\\VGS\\some.mem") + '\0');
  EXPECT_FALSE(fake.desktop.keys.empty());
  EXPECT_TRUE(window().visible);
  EXPECT_FALSE(window().active);
  // Shown by the user later, it comes to the front with the focus on Add.
  window().MouseMove(515);
  EXPECT_TRUE(window().active);
  EXPECT_EQ(window().focused, "btnAdd");
}

struct FileCase {
  const char* name;
  std::string path;
  std::optional<std::string> content;
  bool exists;
};

class FileExistsTest : public MainWindowTest,
                       public ::testing::WithParamInterface<FileCase> {};

TEST_P(FileExistsTest, OnlyAFileWithBytesExists) {
  ASSERT_TRUE(Start());
  fake.files.notReady.insert("F:");
  if (GetParam().content) fake.files.files[GetParam().path] = *GetParam().content;
  EXPECT_EQ(form->FileExists(GetParam().path), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileExistsTest,
    ::testing::Values(FileCase{"Missing", "C:\\x.mem", std::nullopt, false},
                      FileCase{"Empty", "C:\\x.mem", "", false},
                      FileCase{"OneByte", "C:\\x.mem", "x", true},
                      FileCase{"DriveNotReady", "F:\\system.cnf", "x", false},
                      FileCase{"EmptyPath", "", std::nullopt, false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace slotmate
