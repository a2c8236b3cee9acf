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

// Remove asks first; Yes removes the selected row, even on an empty list
// (through the Delete key), and leaves Change and Remove enabled.
TEST_F(CommandsTest, RemoveAsksAndRemovesOnYes) {
  struct Case {
    std::string catalogue;
    int answer;
    bool byKey;
    int rowsAfter;
    std::string toolTip;
  };
  for (const Case& c : {Case{"a\r\nb\r\n", platform::kIdNo, false, 2, "2 games listed"},
                        Case{"a\r\n", platform::kIdYes, false, 0, "0 games listed"},
                        Case{"", platform::kIdYes, true, 0, "0 games listed"}}) {
    SCOPED_TRACE(c.catalogue);
    fake.dialogs.messages.clear();
    Load(c.catalogue);
    if (list().Count() > 0) list().SetListIndex(0);
    fake.dialogs.answers = {c.answer};
    if (c.byKey)
      window().KeyDown(kVkDelete);
    else
      window().button("btnDel").Click();
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].text, "Remove this game from the list?");
    EXPECT_EQ(fake.dialogs.messages[0].style, 0x124u);
    EXPECT_EQ(fake.dialogs.messages[0].title, "Slotmate");
    EXPECT_EQ(list().Count(), c.rowsAfter);
    EXPECT_EQ(list().index, c.answer == platform::kIdYes ? -1 : 0);
    EXPECT_EQ(form->DataChanged, c.answer == platform::kIdYes);
    EXPECT_EQ(list().toolTip, c.toolTip);
    EXPECT_TRUE(window().button("btnChange").enabled);
    EXPECT_TRUE(window().button("btnDel").enabled);
  }
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

struct FindCase {
  const char* name;
  std::string catalogue;
  std::string text;
  std::vector<int> hits;  // the rows F then F3 select, up to the not-found message
};

class FindTest : public CommandsTest, public ::testing::WithParamInterface<FindCase> {};

// F searches from the top whatever is selected; F3 steps on, says "not found"
// once past the last match and clears the selection; F3 then starts over.
TEST_P(FindTest, StepsThroughTheMatchingRows) {
  Load(GetParam().catalogue);
  if (list().Count() > 0) list().SetListIndex(list().Count() - 1);
  fake.dialogs.typed = {GetParam().text};
  window().KeyDown(kVkF, 2 /* Ctrl */);
  ASSERT_EQ(fake.dialogs.inputs.size(), 1u);
  EXPECT_EQ(fake.dialogs.inputs[0].prompt, "Text to search:");
  EXPECT_EQ(fake.dialogs.inputs[0].title, "Find");
  EXPECT_EQ(fake.dialogs.inputs[0].defaultText, "");
  std::vector<int> hits;
  while (list().index >= 0 && hits.size() < 10) {
    hits.push_back(list().index);
    window().KeyDown(kVkF3);
  }
  EXPECT_EQ(hits, GetParam().hits);
  EXPECT_EQ(Messages(), std::vector<std::string>{"'" + GetParam().text + "' not found."});
  EXPECT_EQ(fake.dialogs.messages[0].style, 0x40u);
  window().KeyDown(kVkF3);
  EXPECT_EQ(list().index, GetParam().hits.empty() ? -1 : GetParam().hits[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindTest,
    ::testing::Values(FindCase{"IdInAnyCase", kThreeGames, "slus", {0, 2}},
                      FindCase{"WordOfATitle", kThreeGames, "TURISMO", {1}},
                      FindCase{"PartOfAPath", kThreeGames, "\\vgs\\slus", {2}},
                      FindCase{"Blanks", kThreeGames, " ", {0, 1, 2}},
                      FindCase{"WordAtTheStartOfTitles", kThreeGames, "final", {0, 2}},
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

// The user's work in the game editor while it is open.
void Enter(fakes::FakeWindow& editor, const std::string& title, const std::string& path,
           const std::string& id) {
  editor.textBox("txtTitle").SetText(title);
  editor.textBox("txtPath").SetText(path);
  editor.textBox("txtCode").SetText(id);
  editor.button("btnSave").Click();
}

TEST_F(CommandsTest, AddAppendsTheSavedGameAndCountsIt) {
  Load(kThreeGames);
  Card("C:\\VGS\\new.mem");
  list().SetListIndex(1);
  fake.toolkit.whileModal = [](fakes::FakeWindow& editor) {
    Enter(editor, "New", "C:\\VGS\\new.mem", "SLPS-01234");
  };
  window().button("btnAdd").Click();
  ASSERT_EQ(list().Count(), 4);
  EXPECT_EQ(list().items[3], "SLPS-01234 New\tC:\\VGS\\new.mem");
  EXPECT_EQ(list().index, 1);
  EXPECT_EQ(list().toolTip, "4 games listed");
  EXPECT_TRUE(form->DataChanged);
}

TEST_F(CommandsTest, CancelledAddStillSetsTheToolTip) {
  Load(kThreeGames);
  list().toolTip = "";
  fake.toolkit.whileModal = [](fakes::FakeWindow& editor) {
    editor.textBox("txtTitle").SetText("Edited");
    editor.button("btnCancel").Click();
  };
  window().button("btnAdd").Click();
  EXPECT_EQ(list().toolTip, "3 games listed");
  EXPECT_EQ(list().Count(), 3);
  EXPECT_FALSE(form->DataChanged);
}

TEST_F(CommandsTest, ChangeFillsTheBoxesAndSavingWritesTheRowBackTrimmed) {
  Load("SLUS-00453   Some Game  \t  C:\\VGS\\some.mem  \r\nb\r\n");
  Card("C:\\VGS\\some.mem");
  list().SetListIndex(0);
  std::vector<std::string> boxes;
  fake.toolkit.whileModal = [&](fakes::FakeWindow& editor) {
    for (const char* box : {"txtCode", "txtTitle", "txtPath"})
      boxes.push_back(editor.textBox(box).Text());
    editor.button("btnSave").Click();
  };
  list().DblClick();
  EXPECT_EQ(boxes,
            (std::vector<std::string>{"SLUS-00453", "Some Game", "C:\\VGS\\some.mem"}));
  EXPECT_EQ(list().items,
            (std::vector<std::string>{"SLUS-00453 Some Game\tC:\\VGS\\some.mem", "b"}));
  EXPECT_TRUE(form->DataChanged);
}

TEST_F(CommandsTest, ChangeOnARowWithoutTabFillsOnlyTheId) {
  Load("SLUS-00453 Some Game\r\n");
  list().SetListIndex(0);
  std::vector<std::string> boxes;
  fake.toolkit.whileModal = [&](fakes::FakeWindow& editor) {
    for (const char* box : {"txtCode", "txtTitle", "txtPath"})
      boxes.push_back(editor.textBox(box).Text());
  };
  window().button("btnChange").Click();
  EXPECT_EQ(boxes, (std::vector<std::string>{"SLUS-00453", "", ""}));
  EXPECT_EQ(list().Count(), 1);
}

TEST_F(CommandsTest, ChangeWithNothingSelectedAppendsAndKeepsTheToolTip) {
  Load(kThreeGames);
  Card("C:\\VGS\\new.mem");
  fake.toolkit.whileModal = [](fakes::FakeWindow& editor) {
    EXPECT_EQ(editor.textBox("txtCode").Text(), "");
    Enter(editor, "New", "C:\\VGS\\new.mem", "SLPS-01234");
  };
  window().button("btnChange").Click();
  EXPECT_EQ(list().Count(), 4);
  EXPECT_EQ(list().toolTip, "3 games listed");
}

TEST_F(CommandsTest, SelectSwitchesAnExistingCardSilently) {
  Load(kThreeGames);
  Card("C:\\VGS\\gt.mem");
  list().SetListIndex(1);
  window().button("btnSelect").Click();
  EXPECT_TRUE(fake.dialogs.messages.empty());
  EXPECT_EQ(CardValue(), std::string("C:\\VGS\\gt.mem") + '\0');
}

TEST_F(CommandsTest, SelectOfAnEmptyCardOffersToCreateItAndSwitchesToIt) {
  Load(kThreeGames);
  Card("C:\\VGS\\gt.mem", 0);
  list().SetListIndex(1);
  fake.dialogs.answers = {platform::kIdYes};
  window().button("btnSelect").Click();
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(fake.dialogs.messages[0].text, "Do you want to create this memory card?");
  EXPECT_EQ(fake.dialogs.messages[0].style, 0x24u);
  EXPECT_EQ(fake.dialogs.messages[0].title, "Slotmate");
  EXPECT_EQ(fake.files.files["C:\\VGS\\gt.mem"].size(), 131136u);
  EXPECT_EQ(CardValue(), std::string("C:\\VGS\\gt.mem") + '\0');
  EXPECT_FALSE(fake.toolkit.window("formGame").visible);
}

TEST_F(CommandsTest, SelectAnsweredNoCreatesNothing) {
  Load(kThreeGames);
  list().SetListIndex(1);
  window().button("btnSelect").Click();
  EXPECT_FALSE(fake.files.files.contains("C:\\VGS\\gt.mem"));
  EXPECT_EQ(CardValue(), "<none>");
}

struct SelectFailureCase {
  const char* name;
  int selected;
  bool diskFull;
  std::string message;
};

class SelectFailureTest : public CommandsTest,
                          public ::testing::WithParamInterface<SelectFailureCase> {};

TEST_P(SelectFailureTest, CardThatCannotBeCreatedIsReportedAndNothingIsApplied) {
  Load(kThreeGames + std::string("SLUS-00001 No card\r\n"));
  list().SetListIndex(GetParam().selected);
  if (GetParam().diskFull)
    fake.files.failReplace = "There is not enough space on the disk.";
  fake.dialogs.answers = {platform::kIdYes};
  const auto files = fake.files.files.size();
  window().button("btnSelect").Click();
  ASSERT_EQ(fake.dialogs.messages.size(), 2u);
  EXPECT_TRUE(fake.dialogs.messages[1].text.starts_with(GetParam().message))
      << fake.dialogs.messages[1].text;
  EXPECT_EQ(fake.files.files.size(), files);
  EXPECT_EQ(CardValue(), "<none>");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SelectFailureTest,
    ::testing::Values(SelectFailureCase{"NothingSelected", -1, false,
                                        "There is no memory card to create"},
                      SelectFailureCase{"RowWithoutCardPath", 3, false,
                                        "There is no memory card to create"},
                      SelectFailureCase{"DiskFull", 1, true,
                                        "The memory card could not be created"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CommandsTest, OtherKeysDoNothing) {
  Load(kThreeGames);
  for (int key : {13, 27, 45, 69, 71, 113, 115}) window().KeyDown(key);
  EXPECT_TRUE(fake.dialogs.messages.empty());
  EXPECT_TRUE(fake.dialogs.inputs.empty());
}

}  // namespace
}  // namespace slotmate
