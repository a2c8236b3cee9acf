#include <gtest/gtest.h>

#include "native/main_window_fixture.h"

namespace slotmate {
namespace {

using platform::UnloadMode;
using testing_support::MainWindowTest;

constexpr int kMnuEnabled = 1;
constexpr int kMnuAbout = 3;
constexpr int kMnuExit = 5;

class TrayShellTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    fake.settings.values["Slotmate\\Settings\\Minimized"] = "True";
    ASSERT_TRUE(Start());
  }
};

TEST_F(TrayShellTest, OnlyLeftDoubleClickShowsAndOnlyRightButtonUpOpensTheMenu) {
  for (std::uint32_t n = 512; n <= 521; ++n) {
    window().visible = false;
    const int popups = menu().popups;
    window().MouseMove(n);
    EXPECT_EQ(window().visible, n == 515) << n;
    EXPECT_EQ(menu().popups - popups, n == 517 ? 1 : 0) << n;
  }
  // A real mouse move over the window carries coordinates, not a number.
  window().MouseMove((20u << 16) | 515u);
  EXPECT_FALSE(window().visible);
  EXPECT_FALSE(form->InTrayEvent);
}

TEST_F(TrayShellTest, MenuOpensAtMostOnceAtATime) {
  menu().whileOpen = [&](fakes::FakePopupMenu&) { window().MouseMove(517); };
  window().MouseMove(517);
  EXPECT_EQ(menu().popups, 1);
  menu().whileOpen = nullptr;
  window().MouseMove(517);
  EXPECT_EQ(menu().popups, 2);
}

TEST_F(TrayShellTest, AboutBoxFromTheMenuHoldsOffTheIconButNotTheTimer) {
  bool shownMeanwhile = true;
  bool ticked = false;
  fake.dialogs.whileOpen = [&] {
    window().MouseMove(515);
    shownMeanwhile = window().visible;
    fake.media.status["E:"] = "true";
    timer().Tick();
    ticked = form->MediaPresent;
  };
  menu().whileOpen = [&](fakes::FakePopupMenu& m) { m.Choose(kMnuAbout); };
  window().MouseMove(517);
  EXPECT_FALSE(shownMeanwhile);
  EXPECT_TRUE(ticked);
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  const auto& about = fake.dialogs.messages[0];
  EXPECT_EQ(about.title, "Slotmate 1.0c");
  EXPECT_EQ(about.style, 0x40u);
  const std::size_t lineBreak = about.text.find("\r\n");
  ASSERT_NE(lineBreak, std::string::npos);
  const std::string address = about.text.substr(lineBreak + 2);
  EXPECT_EQ(fake.desktop.opened, std::vector<std::string>{"Open " + address});
  fake.dialogs.whileOpen = nullptr;
  window().MouseMove(515);
  EXPECT_TRUE(window().visible);
}

TEST_F(TrayShellTest, CreditsLabelOpensTheAboutBoxToo) {
  window().label("lblCredits").Click();
  EXPECT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(fake.desktop.opened.size(), 1u);
}

TEST_F(TrayShellTest, EnabledSwitchesTheCheckAndThePollsTogether) {
  EXPECT_TRUE(menu().Checked(kMnuEnabled));
  EXPECT_TRUE(timer().enabled);
  menu().Choose(kMnuEnabled);
  EXPECT_FALSE(menu().Checked(kMnuEnabled));
  EXPECT_FALSE(timer().enabled);
  const auto commands = fake.media.commands.size();
  timer().Tick();
  EXPECT_EQ(fake.media.commands.size(), commands);
  menu().Choose(kMnuEnabled);
  EXPECT_TRUE(menu().Checked(kMnuEnabled));
  timer().Tick();
  EXPECT_GT(fake.media.commands.size(), commands);
  EXPECT_EQ(timer().interval, 3000u);
}

struct UnloadCase {
  const char* name;
  UnloadMode mode;
  bool closes;
};

class UnloadTest : public TrayShellTest,
                   public ::testing::WithParamInterface<UnloadCase> {};

TEST_P(UnloadTest, EveryCloseRequestSavesAndOnlyTheUsersHides) {
  window().visible = true;
  form->DataChanged = true;
  const bool closed = window().RequestClose(GetParam().mode);
  EXPECT_EQ(closed, GetParam().closes);
  EXPECT_EQ(fake.files.replaces, 1);
  EXPECT_FALSE(window().visible);
  EXPECT_EQ(fake.tray.Count(platform::kNimDelete), GetParam().closes ? 1 : 0);
  EXPECT_EQ(fake.toolkit.quits, GetParam().closes ? 1 : 0);
  if (GetParam().closes) {
    EXPECT_EQ(fake.settings.values["Slotmate\\Settings\\Minimized"], "False");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, UnloadTest,
    ::testing::Values(UnloadCase{"User", UnloadMode::kUser, false},
                      UnloadCase{"Program", UnloadMode::kProgram, true},
                      UnloadCase{"Session", UnloadMode::kSession, true},
                      UnloadCase{"Outside", UnloadMode::kOutside, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(TrayShellTest, ExitWhileHiddenRemembersMinimizedAndTheNextStartIsHidden) {
  menu().whileOpen = [&](fakes::FakePopupMenu& m) { m.Choose(kMnuExit); };
  window().MouseMove(517);
  EXPECT_EQ(fake.settings.values["Slotmate\\Settings\\Minimized"], "True");
  EXPECT_EQ(fake.tray.Count(platform::kNimDelete), 1);
  EXPECT_EQ(fake.toolkit.quits, 1);
  fake.tray.calls.clear();
  ASSERT_TRUE(Start());
  EXPECT_FALSE(window().visible);
  EXPECT_EQ(fake.tray.Count(platform::kNimAdd), 1);
}

TEST_F(TrayShellTest, ClosingTheWindowKeepsPolling) {
  window().MouseMove(515);
  window().RequestClose(UnloadMode::kUser);
  EXPECT_FALSE(window().visible);
  InsertDisc("E:");
  Catalogue("");
  const auto commands = fake.media.commands.size();
  timer().Tick();
  EXPECT_GT(fake.media.commands.size(), commands);
  EXPECT_EQ(fake.tray.Count(platform::kNimDelete), 0);
}

TEST_F(TrayShellTest, IconComesBackWhenTheTaskbarIsRecreatedUnlessHidden) {
  window().TaskbarCreated();
  EXPECT_EQ(fake.tray.Count(platform::kNimAdd), 2);
  fake.settings.values["Slotmate\\Settings\\Hidden"] = "True";
  fake.tray.calls.clear();
  ASSERT_TRUE(Start());
  window().TaskbarCreated();
  EXPECT_EQ(fake.tray.Count(platform::kNimAdd), 0);
}

}  // namespace
}  // namespace slotmate
