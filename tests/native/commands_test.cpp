#include <gtest/gtest.h>

#include "native/main_window_fixture.h"

namespace slotmate {
namespace {

using testing_support::MainWindowTest;

constexpr int kVkDelete = 46, kVkF = 70, kVkF3 = 114;

class CommandsTest : public MainWindowTest {
 protected:
  void Load(const std::string& catalogue) {
    Catalogue(catalogue);
    ASSERT_TRUE(Start());
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : fake.dialogs.messages) texts.push_back(m.text);
    return texts;
  }
};

TEST_F(CommandsTest, RemoveAnsweredNoChangesNothing) {
  Load("a\r\nb\r\n");
  list().SetListIndex(0);
  window().button("btnDel").Click();
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(fake.dialogs.messages[0].text, "Remove this game from the list?");
  EXPECT_EQ(fake.dialogs.messages[0].style, 0x124u);
  EXPECT_EQ(fake.dialogs.messages[0].title, "Slotmate");
  EXPECT_EQ(list().Count(), 2);
  EXPECT_FALSE(form->DataChanged);
  EXPECT_EQ(list().toolTip, "2 games listed");
}

TEST_F(CommandsTest, RemovingTheOnlyRowLeavesAnEmptyListWithTheButtonsEnabled) {
  Load("a\r\n");
  list().SetListIndex(0);
  fake.dialogs.answers = {platform::kIdYes};
  window().button("btnDel").Click();
  EXPECT_EQ(list().Count(), 0);
  EXPECT_EQ(list().index, -1);
  EXPECT_TRUE(form->DataChanged);
  EXPECT_EQ(list().toolTip, "0 games listed");
  EXPECT_TRUE(window().button("btnChange").enabled);
  EXPECT_TRUE(window().button("btnDel").enabled);
}

TEST_F(CommandsTest, DeleteKeyOnAnEmptyListAsksAndMarksTheCatalogueChanged) {
  Load("");
  fake.dialogs.answers = {platform::kIdYes};
  window().KeyDown(kVkDelete);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Remove this game from the list?"});
  EXPECT_TRUE(form->DataChanged);
  EXPECT_EQ(list().toolTip, "0 games listed");
}

TEST_F(CommandsTest, ClickingTheListEnablesChangeAndRemoveByTheRowCount) {
  Load("a\r\n");
  window().button("btnChange").enabled = false;
  list().SetListIndex(-1);
  EXPECT_TRUE(window().button("btnChange").enabled);
  list().items.clear();
  list().SetListIndex(-1);
  EXPECT_FALSE(window().button("btnChange").enabled);
  EXPECT_FALSE(window().button("btnDel").enabled);
}

constexpr char kThreeGames[] =
    "SLUS-00453 Final Fantasy\tC:\\VGS\\ff.mem\r\n"
    "SCES-01234 Gran Turismo\tC:\\VGS\\gt.mem\r\n"
    "SLUS-00999 Final Lap\tC:\\VGS\\slus\\fl.mem\r\n";

TEST_F(CommandsTest, FindSearchesFromTheTopAndFThreeStepsOnThenSaysNotFoundOnce) {
  Load(kThreeGames);
  list().SetListIndex(2);
  fake.dialogs.typed = {"final"};
  window().KeyDown(kVkF);
  ASSERT_EQ(fake.dialogs.inputs.size(), 1u);
  EXPECT_EQ(fake.dialogs.inputs[0].prompt, "Text to search:");
  EXPECT_EQ(fake.dialogs.inputs[0].title, "Find");
  EXPECT_EQ(fake.dialogs.inputs[0].defaultText, "");
  EXPECT_EQ(list().index, 0);
  window().KeyDown(kVkF3);
  EXPECT_EQ(list().index, 2);
  window().KeyDown(kVkF3);
  EXPECT_EQ(list().index, -1);
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(fake.dialogs.messages[0].text, "'final' not found.");
  EXPECT_EQ(fake.dialogs.messages[0].style, 0x40u);
  window().KeyDown(kVkF3);
  EXPECT_EQ(list().index, 0);
}

struct FindCase {
  const char* name;
  std::string catalogue;
  std::string text;
  std::vector<int> hits;  // the rows F then F3 select, up to the not-found message
};

class FindTest : public CommandsTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindTest, StepsThroughTheMatchingRows) {
  Load(GetParam().catalogue);
  fake.dialogs.typed = {GetParam().text};
  window().KeyDown(kVkF, 2 /* Ctrl */);
  std::vector<int> hits;
  while (list().index >= 0 && hits.size() < 10) {
    hits.push_back(list().index);
    window().KeyDown(kVkF3);
  }
  EXPECT_EQ(hits, GetParam().hits);
  EXPECT_EQ(Messages(), std::vector<std::string>{"'" + GetParam().text + "' not found."});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindTest,
    ::testing::Values(FindCase{"IdInAnyCase", kThreeGames, "slus", {0, 2}},
                      FindCase{"WordOfATitle", kThreeGames, "TURISMO", {1}},
                      FindCase{"PartOfAPath", kThreeGames, "\\vgs\\slus", {2}},
                      FindCase{"Blanks", kThreeGames, " ", {0, 1, 2}},
                      FindCase{"NothingMatches", kThreeGames, "zelda", {}},
                      FindCase{"EmptyCatalogue", "", "zelda", {}},
                      FindCase{"AccentedLetterInAnyCase",
                               "SLES-00001 \xC9lan\tC:\\e.mem\r\n",
                               "\xE9LAN",
                               {0}}),
    [](const auto& info) { return info.param.name; });

TEST_F(CommandsTest, FThreeBeforeAnySearchAsksLikeF) {
  Load(kThreeGames);
  window().KeyDown(kVkF3);
  ASSERT_EQ(fake.dialogs.inputs.size(), 1u);
  EXPECT_EQ(fake.dialogs.inputs[0].defaultText, "");
  EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(CommandsTest, CancelledSearchKeepsTextAndSelection) {
  Load(kThreeGames);
  fake.dialogs.typed = {"gran"};
  window().KeyDown(kVkF);
  EXPECT_EQ(list().index, 1);
  fake.dialogs.typed = {""};
  window().KeyDown(kVkF);
  EXPECT_EQ(fake.dialogs.inputs.back().defaultText, "gran");
  EXPECT_EQ(form->FindText, "gran");
  EXPECT_EQ(list().index, 1);
}

TEST_F(CommandsTest, FThreeWithTheLastRowSelectedSaysNotFoundAtOnce) {
  Load(kThreeGames);
  form->FindText = "a";
  list().SetListIndex(2);
  window().KeyDown(kVkF3);
  EXPECT_EQ(Messages(), std::vector<std::string>{"'a' not found."});
  EXPECT_EQ(list().index, -1);
}

TEST_F(CommandsTest, OtherKeysDoNothing) {
  Load(kThreeGames);
  for (int key : {13, 27, 45, 69, 71, 113, 115}) window().KeyDown(key);
  EXPECT_TRUE(fake.dialogs.messages.empty());
  EXPECT_TRUE(fake.dialogs.inputs.empty());
}

}  // namespace
}  // namespace slotmate
