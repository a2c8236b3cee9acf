// The catalogue: games.txt, the main window's commands and find.

#include <optional>

#include "catalogue/catalogue_line.h"
#include "native/machine.h"

namespace slotmate {
namespace {

constexpr int kVkDelete = 46, kVkF = 70, kVkF3 = 114;
const std::string kThree =
    "SLUS-00453 Final Fantasy\tC:\\VGS\\ff.mem\r\n"
    "SCES-01234 Gran Turismo\tC:\\VGS\\gt.mem\r\n"
    "SLUS-00999 Final Lap\tC:\\VGS\\slus\\fl.mem\r\n";

Rows ManyRows() {
  Rows rows;
  for (int i = 0; i < 40000; ++i) rows.push_back("SLUS-" + std::to_string(10000 + i));
  return rows;
}

// games.txt beside the program is loaded whole (a missing or empty one leaves
// the list without tooltip) and, once changed, saved whole with CR LF.
TEST(Catalogue, LoadsAndSavesTheRowsBesideTheProgram) {
  const std::tuple<std::string, std::optional<std::string>, Rows, std::string> rows[] = {
      {"C:\\Games", "a\tC:\\a.mem\r\n\r\nb", {"a\tC:\\a.mem", "", "b"}, "3 games listed"},
      {"D:\\", "a\r\n", {"a"}, "1 games listed"},
      {"C:\\Games", std::nullopt, {}, ""},
      {"C:\\Games", "", {}, ""},
      {"C:\\Games", JoinCatalogueText(ManyRows()), ManyRows(), "40000 games listed"}};
  for (const auto& [folder, text, items, tip] : rows) {
    Machine m;
    m.folder = folder;
    const std::string file = folder + (folder.ends_with('\\') ? "" : "\\") + "games.txt";
    if (text) m.files[file] = *text;
    ASSERT_TRUE(m.Start());
    m.form->LoadGames();  // again: the rows are replaced, not added
    EXPECT_EQ(m.list().items, items) << folder;
    EXPECT_EQ(m.list().tip, tip);
    m.form->DataChanged = true;
    m.form->SaveGames();
    EXPECT_EQ(m.files[file], JoinCatalogueText(items));
  }
}

// Unchanged rows are not written. A failed save keeps the change and tells
// the user; the next close request tries again.
TEST(Catalogue, SavesOnlyChangedRowsAndRetriesAfterAFailure) {
  Machine m;
  m.Start("a\rb\n\r\nc");
  m.main().RequestClose(UnloadMode::kUser);
  m.form->DataChanged = true;
  m.failWrites = "Access is denied.";
  m.main().RequestClose(UnloadMode::kUser);
  EXPECT_TRUE(m.form->DataChanged);
  EXPECT_EQ(m.files[kGames], "a\rb\n\r\nc");
  EXPECT_EQ(m.Texts(), Rows{"The game list could not be saved to\r\n" + kGames +
                            "\r\n\r\nAccess is denied."});
  m.failWrites.reset();
  m.main().RequestClose(UnloadMode::kUser), m.main().RequestClose(UnloadMode::kUser);
  EXPECT_EQ(m.files[kGames], "a\r\nb\n\r\nc\r\n");
  EXPECT_EQ(m.Logged("write " + kGames), 2);
}

// Remove asks first (No by default), and Yes removes the selected row.
// Change and Remove follow whether the list has rows.
TEST(Commands, RemoveAsksFirst) {
  // The catalogue, the answer, the key (0: the button); the rows afterwards.
  const std::tuple<std::string, int, int, Rows> rows[] = {
      {"a\r\nb\r\n", 7, 0, {"a", "b"}},
      {"a\r\nb\r\n", 6, 0, {"b"}},
      {"a\r\nb\r\n", 6, kVkDelete, {"b"}},
      {"", 6, kVkDelete, {}}};
  for (const auto& [catalogue, answer, key, after] : rows) {
    Machine m;
    m.Start(catalogue);
    if (!catalogue.empty()) m.list().SetListIndex(0);
    m.answers = {answer};
    key ? m.main().keyDown(key, 0) : Fake(m.form->btnDel).Fire("click");
    EXPECT_EQ(m.Texts(), Rows{"Remove this game from the list?"});
    EXPECT_EQ(m.boxes[0].style, 0x124u);
    EXPECT_EQ(m.list().items, after);
    EXPECT_EQ(m.form->DataChanged, answer == 6);
    EXPECT_EQ(m.list().tip, std::to_string(after.size()) + " games listed");
    EXPECT_EQ(m.form->btnChange.Enabled() + m.form->btnDel.Enabled(), 2);
    m.list().SetListIndex(-1);
    EXPECT_EQ(m.form->btnChange.Enabled() + m.form->btnDel.Enabled(), 2 * !after.empty());
  }
}

// F (also with Ctrl) asks and searches from the top, F3 steps on; past the
// last match the user is told and the selection cleared, so F3 starts over.
TEST(Commands, FindStepsThroughTheMatchingRows) {
  const std::tuple<std::string, std::string, std::vector<int>> rows[] = {
      {kThree, "slus", {0, 2}},
      {kThree, "TURISMO", {1}},
      {kThree, "\\vgs\\slus", {2}},
      {kThree, " ", {0, 1, 2}},
      {kThree, "zelda", {}},
      {"", "zelda", {}},
      {"SLES-00001 \xC9lan\tC:\\e.mem\r\n", "\xE9LAN", {0}}};
  for (const auto& [catalogue, text, hits] : rows) {
    Machine m;
    m.Start(catalogue);
    m.list().index = m.list().Count() - 1;
    m.typed = {text};
    m.main().keyDown(kVkF, 2);
    std::vector<int> seen;
    for (int i = 0; m.list().index >= 0 && i < 5; ++i)
      seen.push_back(m.list().index), m.main().keyDown(kVkF3, 0);
    EXPECT_EQ(seen, hits) << text;
    EXPECT_EQ(m.Texts(), Rows{"'" + text + "' not found."});
    m.main().keyDown(kVkF3, 0);
    EXPECT_EQ(m.list().index, hits.empty() ? -1 : hits[0]);
  }
}

TEST(Commands, OtherKeysDoNothingAndFindAsksAgainWithTheLastText) {
  Machine m;
  m.Start(kThree);
  for (int key : {13, 27, 45, 69, 71, 113, 115}) m.main().keyDown(key, 0);
  m.typed = {"gran", ""};  // F3 before any search asks like F; then a cancelled F
  for (int key : {kVkF3, kVkF}) m.main().keyDown(key, 0);
  EXPECT_EQ(m.log.end()[-2] + "," + m.log.end()[-1], "input ,input gran");
  EXPECT_EQ(m.list().index, 1);
  EXPECT_TRUE(m.boxes.empty());
}

// Add and Change open the editor: Add for a new row, Change (or a double
// click) for the selected row, its fields in the boxes.
TEST(Commands, AddAndChangeOpenTheEditor) {
  const std::string a = "SLUS-00453  Game  \t  C:\\g.mem  ", b = "SLUS-00453 G\t",
                    typed = "SLPS-01234 New\tC:\\g.mem";
  // The button, the row selected, whether the user saves; the boxes seen,
  // the rows and the tooltip afterwards.
  const std::tuple<std::string, int, bool, std::string, Rows, std::string> rows[] = {
      {"Add", 1, true, "||", {a, b, typed}, "3 games listed"},
      {"Add", 1, false, "||", {a, b}, "2 games listed"},
      {"Change", 0, true, "SLUS-00453|Game|C:\\g.mem", {typed, b}, "-"},
      {"Change", 1, false, "SLUS-00453|G|", {a, b}, "-"},
      {"Change", -1, true, "||", {a, b, typed}, "-"},
      {"DblClick", 0, false, "SLUS-00453|Game|C:\\g.mem", {a, b}, "-"}};
  for (const auto& [button, selected, save, seen, after, tip] : rows) {
    Machine m;
    m.files["C:\\g.mem"] = "x";
    m.Start(a + "\r\n" + b + "\r\n");
    m.list().tip = "-", m.list().index = selected;
    formGame& e = m.editor();
    std::string boxes;
    m.toolkit.whileModal = [&](fakes::FakeWindow&) {
      boxes = e.txtCode.Text() + "|" + e.txtTitle.Text() + "|" + e.txtPath.Text();
      m.Fill("New", "SLPS-01234", "C:\\g.mem");
      if (save) Fake(e.btnSave).Fire("click");
    };
    if (button == "DblClick")
      m.list().Fire("dblclick");
    else
      Fake(button == "Add" ? m.form->btnAdd : m.form->btnChange).Fire("click");
    SCOPED_TRACE(button + std::to_string(selected));
    EXPECT_EQ(boxes, seen);
    EXPECT_EQ(m.list().items, after);
    EXPECT_EQ(m.list().tip + std::to_string(m.list().index),
              tip + std::to_string(selected));
  }
}

// Select applies the selected game's card, offering to create it when it is
// missing; a card that cannot be created is reported and nothing is applied.
TEST(Commands, SelectAppliesOrCreatesTheCard) {
  const std::string ask = "Do you want to create this memory card?",
                    none =
                        "There is no memory card to create: select a game that has "
                        "a memory card path.",
                    failed = "The memory card could not be created:\r\nC:\\VGS\\gt.mem";
  // The row selected, the card there ("-": none), the answer (8: Yes, but the
  // card cannot be written); the messages, and the card's size afterwards
  // (0: nothing applied).
  const std::tuple<int, std::string, int, Rows, std::size_t> rows[] = {
      {1, "x", 6, {}, 1},           {1, "", 6, {ask}, 131136},
      {1, "-", 7, {ask}, 0},        {1, "-", 8, {ask, failed}, 0},
      {-1, "-", 6, {ask, none}, 0}, {3, "-", 6, {ask, none}, 0}};
  for (const auto& [selected, card, answer, messages, size] : rows) {
    Machine m;
    m.Start(kThree + "SLUS-00001 No card\r\n");
    if (card != "-") m.files["C:\\VGS\\gt.mem"] = card;
    m.list().index = selected;
    m.answers = {answer == 8 ? 6 : answer};
    if (answer == 8) m.failWrites = "The disk is full.";
    Fake(m.form->btnSelect).Fire("click");
    EXPECT_EQ(m.Texts(), messages) << selected << card;
    EXPECT_EQ(m.registry[kSlot], size ? "C:\\VGS\\gt.mem\0"s : "");
    EXPECT_EQ(m.files["C:\\VGS\\gt.mem"].size(), size);
  }
}

}  // namespace
}  // namespace slotmate
