#include <optional>
#include <stdexcept>

#include "editor_fixture.h"

namespace slotmate {
namespace {

using fakes::FakeWindow;

const std::string kCard = "C:\\VGS\\game.mem";
const std::string kBootFile = "BOOT = cdrom:\\SLUS_004.53;1\r\nTCB = 4\r\n";

struct TypingCase {
  const char* name;
  std::string before;
  std::string typed;
  std::string after;
};

class CodeTypingTest : public EditorTest,
                       public testing::WithParamInterface<TypingCase> {};

TEST_P(CodeTypingTest, TakesOnlyGameIdCharacters) {
  code.SetText(GetParam().before);
  code.SetSelection(int(GetParam().before.size()), 0);
  code.Type(GetParam().typed);
  EXPECT_EQ(code.text, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, CodeTypingTest,
    testing::Values(TypingCase{"LowerCaseRaised", "", "slus-00453", "SLUS-00453"},
                    TypingCase{"BlankIgnored", "SLUS", " ", "SLUS"},
                    TypingCase{"OtherLetterIgnored", "SLUS", "x", "SLUS"},
                    TypingCase{"PasteIgnored", "SLUS", "\x16", "SLUS"},
                    TypingCase{"CopyAndCutIgnored", "SLUS", "\x03\x18", "SLUS"},
                    TypingCase{"EleventhRefused", "SLUS-0045", "31", "SLUS-00453"},
                    TypingCase{"BackspaceWorks", "SCPS-1", "\b0001", "SCPS-0001"}),
    [](const auto& info) { return info.param.name; });

class FocusTest : public EditorTest, public testing::WithParamInterface<const char*> {};

TEST_P(FocusTest, SelectsTheWholeText) {
  auto& box = dialog.textBox(GetParam());
  box.SetText("Some text");
  box.SetFocus();
  EXPECT_EQ(box.selStart, 0);
  EXPECT_EQ(box.selLength, 9);
}

INSTANTIATE_TEST_SUITE_P(Boxes, FocusTest,
                         testing::Values("txtTitle", "txtPath", "txtCode"));

TEST_F(EditorTest, GetWithoutDiscOnlySaysSo) {
  main.CurrentDrive = "E:";
  Fill("Title", "SLUS", "C:\\x.mem");
  dialog.button("btnGet").Click();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Game ID not found."});
  ASSERT_EQ(fp.dialogs.messages.size(), 1u);
  EXPECT_EQ(fp.dialogs.messages[0].style, 0x40u);
  ExpectMessagesOwnedByTheEditor();
  EXPECT_EQ(title.text, "Title");
  EXPECT_EQ(code.text, "SLUS");
  EXPECT_EQ(path.text, "C:\\x.mem");
}

struct GetCase {
  const char* name;
  std::string title;
  std::string path;
  int rows;
  std::optional<std::string> card;  // the file at `path`
  std::string titleAfter;
  std::string pathAfter;
};

class GetItTest : public EditorTest, public testing::WithParamInterface<GetCase> {};

TEST_P(GetItTest, FillsCodeTitleAndCard) {
  const GetCase& c = GetParam();
  main.CurrentDrive = "E:";
  fp.files.files["E:\\system.cnf"] = kBootFile;
  if (c.card) fp.files.files[c.path] = *c.card;
  for (int i = 0; i < c.rows; ++i) games.AddItem("row");
  Fill(c.title, "", c.path);

  dialog.button("btnGet").Click();

  EXPECT_TRUE(fp.dialogs.messages.empty());
  EXPECT_EQ(code.text, "SLUS-00453");
  EXPECT_EQ(title.text, c.titleAfter);
  EXPECT_EQ(path.text, c.pathAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Discs, GetItTest,
    testing::Values(GetCase{"FirstGame", "", "", 0, std::nullopt, "New Game 1",
                            "C:\\VGS\\New Game 1.mem"},
                    GetCase{"CountsTheRows", "", "", 11, std::nullopt, "New Game 12",
                            "C:\\VGS\\New Game 12.mem"},
                    GetCase{"TitleKept", "Final Fantasy VII: Disc 1", "", 0, std::nullopt,
                            "Final Fantasy VII: Disc 1",
                            "C:\\VGS\\Final Fantasy VII Disc 1.mem"},
                    GetCase{"TitleOfRemovedCharacters", "???", "", 0, std::nullopt, "???",
                            "C:\\VGS\\.mem"},
                    GetCase{"EveryRemovedCharacter", "a;b:c<d>e|f?g*h\"i/ j", "", 0,
                            std::nullopt, "a;b:c<d>e|f?g*h\"i/ j",
                            "C:\\VGS\\abcdefghi/ j.mem"},
                    GetCase{"BackslashInTitle", "A\\B", "", 0, std::nullopt, "A\\B",
                            "C:\\VGS\\A\\B.mem"},
                    GetCase{"ExistingCardKept", "Game", "D:\\cards\\mine.mem", 0, "data",
                            "Game", "D:\\cards\\mine.mem"},
                    GetCase{"MissingCardReplaced", "Game", "D:\\cards\\gone.mem", 0,
                            std::nullopt, "Game", "C:\\VGS\\Game.mem"},
                    GetCase{"EmptyCardReplaced", "Game", "D:\\cards\\empty.mem", 0, "",
                            "Game", "C:\\VGS\\Game.mem"}),
    [](const auto& info) { return info.param.name; });

TEST_F(EditorTest, GetTakesTheIdUnchecked) {
  main.CurrentDrive = "E:";
  fp.files.files["E:\\system.cnf"] = "BOOT = cdrom:\\S";
  dialog.button("btnGet").Click();
  EXPECT_EQ(code.text, "S-");
  EXPECT_TRUE(fp.dialogs.messages.empty());
}

const std::vector<std::string> kRows = {"SLUS-00001 One\tC:\\a.mem",
                                        "SLUS-00002 Two\tC:\\b.mem"};
const std::string kNewRow = "SLUS-00453 Game\t" + kCard;

struct SaveCase {
  const char* name;
  std::int16_t insertPos;
  std::vector<std::string> rowsAfter;
  std::vector<std::string> rowsBefore = kRows;
};

class SaveTest : public EditorTest, public testing::WithParamInterface<SaveCase> {};

// Saving writes the line where InsertPos says and marks the catalogue changed,
// even when the line is what it was.
TEST_P(SaveTest, WritesTheLineAndCloses) {
  games.items = GetParam().rowsBefore;
  fp.files.files[kCard] = "card";
  game.InsertPos = GetParam().insertPos;
  bool closedBySave = false;
  fp.toolkit.whileModal = [&](FakeWindow& w) {
    Fill(" Game ", "SLUS-00453", kCard);
    w.button("btnSave").Click();
    closedBySave = !w.modal;
  };
  game.ShowModal();
  EXPECT_TRUE(closedBySave);
  EXPECT_EQ(games.items, GetParam().rowsAfter);
  EXPECT_TRUE(main.DataChanged);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, SaveTest,
    testing::Values(SaveCase{"MinusOneAppends", -1, {kRows[0], kRows[1], kNewRow}},
                    SaveCase{"AnyNegativeAppends", -5, {kRows[0], kRows[1], kNewRow}},
                    SaveCase{"ZeroReplacesFirst", 0, {kNewRow, kRows[1]}},
                    SaveCase{"OneReplacesSecond", 1, {kRows[0], kNewRow}},
                    SaveCase{"Unchanged", 0, {kNewRow}, {kNewRow}}),
    [](const auto& info) { return info.param.name; });

TEST_F(EditorTest, RefusedSaveKeepsTheDialogOpen) {
  games.items = kRows;
  game.InsertPos = -1;
  bool stillOpen = false;
  fp.toolkit.whileModal = [&](FakeWindow& w) {
    Fill("Game", "SLUS-0045", kCard);
    w.button("btnSave").Click();
    stillOpen = w.modal;
  };
  game.ShowModal();
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(games.items, kRows);
  EXPECT_FALSE(main.DataChanged);
}

class LeaveTest : public EditorTest, public testing::WithParamInterface<bool> {};

// Cancel (true) or the close box (false) after edits: nothing is written.
TEST_P(LeaveTest, WritesNothing) {
  games.items = kRows;
  fp.files.files[kCard] = "card";
  game.InsertPos = 0;
  fp.toolkit.whileModal = [&](FakeWindow& w) {
    Fill("Game", "SLUS-00453", kCard);
    if (GetParam()) w.button("btnCancel").Click();
  };
  game.ShowModal();
  EXPECT_EQ(games.items, kRows);
  EXPECT_FALSE(main.DataChanged);
  EXPECT_TRUE(fp.dialogs.messages.empty());
  EXPECT_EQ(fp.files.replaces, 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, LeaveTest, testing::Values(true, false),
                         [](const auto& info) {
                           return std::string(info.param ? "Cancel" : "CloseBox");
                         });

TEST_F(EditorTest, ShowsOverTheMainWindowWithFocusInTitleAndEmptiesAfter) {
  std::vector<std::string> seen;
  fp.toolkit.whileModal = [&](FakeWindow& w) {
    EXPECT_EQ(w.owner, &main.window);
    EXPECT_EQ(w.focused, "txtTitle");
    seen.push_back(title.text + "|" + code.text + "|" + path.text);
    Fill("typed", "SLUS", "C:\\x.mem");
  };
  Fill("Given", "SCES-00001", kCard);
  game.ShowModal();
  EXPECT_EQ(title.text + code.text + path.text, "");
  game.ShowModal();
  EXPECT_EQ(seen, (std::vector<std::string>{"Given|SCES-00001|" + kCard, "||"}));
  EXPECT_EQ(dialog.modalShows, 2);
}

struct BrowseCase {
  const char* name;
  std::optional<std::string> chosen;  // nullopt: cancelled
  std::string pathAfter;
};

class BrowseTest : public EditorTest, public testing::WithParamInterface<BrowseCase> {};

TEST_P(BrowseTest, PutsTheChosenCardInThePathBox) {
  fp.process.folder = "D:\\Tools\\Slotmate";
  fp.dialogs.chosenFile = GetParam().chosen;
  path.SetText("C:\\old.mem");
  dialog.button("btnBrowse").Click();
  EXPECT_EQ(path.text, GetParam().pathAfter);
  ASSERT_EQ(fp.dialogs.fileDialogs.size(), 1u);
  const auto& r = fp.dialogs.fileDialogs[0];
  EXPECT_EQ(r.hwndOwner, dialog.handle);
  EXPECT_EQ(r.lpstrTitle, "Select Memory Card");
  EXPECT_EQ(r.lpstrInitialDir, "D:\\Tools\\Slotmate");
  using namespace std::string_literals;
  EXPECT_EQ(r.lpstrFilter, "VGS Memory Card (*.mem)\0*.mem\0All files (*.*)\0*.*\0\0"s);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, BrowseTest,
    testing::Values(BrowseCase{"Cancelled", std::nullopt, "C:\\old.mem"},
                    BrowseCase{"NothingChosen", "", "C:\\old.mem"},
                    BrowseCase{"Chosen", "E:\\cards\\new.mem", "E:\\cards\\new.mem"},
                    BrowseCase{"ChosenWithBlanks", "  E:\\my cards\\a.mem ",
                               "E:\\my cards\\a.mem"}),
    [](const auto& info) { return info.param.name; });

TEST_F(EditorTest, OpenDialogBelongsToTheGivenWindow) {
  fp.dialogs.chosenFile = "C:\\x.mem";
  EXPECT_EQ(game.OpenDialog(main.window, "a|b|", "T", "C:\\"), "C:\\x.mem");
  ASSERT_EQ(fp.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(fp.dialogs.fileDialogs[0].hwndOwner, main.window.Handle());
  EXPECT_EQ(fp.dialogs.fileDialogs[0].hInstance, fp.process.Instance());
}

// A window whose handle cannot be had.
class BrokenWindow : public FakeWindow {
 public:
  using FakeWindow::FakeWindow;
  platform::WindowHandle Handle() const override { throw std::runtime_error("gone"); }
};

TEST_F(EditorTest, OpenDialogSurvivesABrokenOwner) {
  BrokenWindow owner(fp.toolkit, platform::WindowSpec{}, 0);
  fp.dialogs.chosenFile = "C:\\x.mem";
  std::string chosen = "unset";
  EXPECT_NO_THROW(chosen = game.OpenDialog(owner, "a|b", "T", "C:\\"));
  EXPECT_EQ(chosen, "");
  EXPECT_TRUE(fp.dialogs.fileDialogs.empty());
}

}  // namespace
}  // namespace slotmate
