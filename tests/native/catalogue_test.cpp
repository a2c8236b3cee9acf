// The catalogue: games.txt, and the main window's commands told by what the
// program does.

#include <optional>

#include "catalogue/catalogue_line.h"
#include "editor/entry_rules.h"
#include "native/machine.h"

namespace slotmate {
namespace {

// games.txt beside the program is loaded whole (a missing or empty one leaves
// the list without tooltip) and, once changed, saved whole with CR LF.
TEST(Catalogue, LoadsAndSavesTheRowsBesideTheProgram) {
  Rows many;
  for (int i = 0; i < 40000; ++i) many.push_back("SLUS-" + std::to_string(10000 + i));
  const std::tuple<std::string, std::optional<std::string>, Rows, std::string> rows[] = {
      {"C:\\Games", "a\tC:\\a.mem\r\n\r\nb", {"a\tC:\\a.mem", "", "b"}, "3 games listed"},
      {"D:\\", "a\r\n", {"a"}, "1 games listed"},
      {"C:\\Games", std::nullopt, {}, ""},
      {"C:\\Games", "", {}, ""},
      {"C:\\Games", JoinCatalogueText(many), many, "40000 games listed"}};
  for (const auto& [folder, text, items, tip] : rows) {
    Machine m;
    m.folder = folder;
    const std::string file = folder + (folder.ends_with('\\') ? "" : "\\") + "games.txt";
    if (text) m.files[file] = *text;
    ASSERT_TRUE(m.Start());
    m.form->LoadGames();  // again: the rows are replaced, not added
    EXPECT_EQ(m.list().items, items) << folder;
    EXPECT_EQ(m.list().tip, tip);
    m.Do("change");
    m.form->SaveGames();
    EXPECT_EQ(m.files[file], JoinCatalogueText(items));
  }
}

// Unchanged rows are not written. A failed save keeps the change and tells
// the user; the next close request tries again.
TEST(Catalogue, SavesOnlyChangedRowsAndRetriesAfterAFailure) {
  Machine m;
  m.Start("a\rb\n\r\nc");
  m.Journal();
  m.Do("close 0, change, writes fail, close 0");
  m.failWrites.reset();
  m.Do("close 0, close 0");
  EXPECT_EQ(m.Journal(), "hide, write " + kGames +
                             ", box The game list could not be saved to\r\n" + kGames +
                             "\r\n\r\nAccess is denied., hide, write " + kGames +
                             ", hide, hide");
  EXPECT_EQ(m.files[kGames], "a\r\nb\n\r\nc\r\n");
}

const std::string kTwo = "SLUS-00453  Game  \t  C:\\g.mem  \r\nSLUS-00453 G\t\r\n";
const std::string kRemove = "box Remove this game from the list?";

// The main window's keys and buttons: Remove asks first (No by default);
// F (find) asks and searches from the top, F3 steps on, and past the last
// match tells the user and clears the selection, so F3 starts over; Add and
// Change open the editor (Change on the selected row, its fields in the
// boxes), Add counts the rows afterwards.
TEST(Commands, KeysAndButtons) {
  const std::string kThree =
      "SLUS-00453 Final Fantasy\tC:\\ff.mem\r\nSCES-01234 Gran Turismo\tC:\\gt.mem\r\n"
      "SLUS-00999 Final Lap\tC:\\slus\\fl.mem\r\nSLES-00001 \xC9lan\tC:\\e.mem\r\n";
  const std::string save = "fill New|SLPS-01234|C:\\g.mem, click btnSave",
                    added = "SLPS-01234 New\tC:\\g.mem";
  // The catalogue, the steps and those taken in the editor; the journal.
  const std::tuple<std::string, std::string, std::string, std::string> rows[] = {
      {kTwo, "select 0, key 46, close 0", "", "select 0, " + kRemove + ", hide"},
      {kTwo, "select 0, answer 6, click btnDel, close 0", "",
       "select 0, " + kRemove + ", remove 0, tip 1 games listed, write " + kGames +
           ", hide"},
      {kTwo, "select 1, answer 6, key 46", "",
       "select 1, " + kRemove + ", remove 1, tip 1 games listed"},
      {"", "answer 6, key 46", "", kRemove + ", tip 0 games listed"},
      {kThree, "select 2, type slus, key 70, key 114, key 114, key 114", "",
       "select 2, input , select -1, select 0, select 2, box 'slus' not found., select "
       "-1, select 0"},
      {kThree, "type TURISMO, key 70, key 114", "",
       "input , select -1, select 1, box 'TURISMO' not found., select -1"},
      {kThree, "type \\ff, key 70", "", "input , select -1, select 0"},
      {kThree, "type \xE9LAN, key 70", "", "input , select -1, select 3"},
      {"", "type zelda, key 70", "",
       "input , select -1, box 'zelda' not found., select -1"},
      {kThree, "type gran, key 114, type , key 70", "",
       "input , select -1, select 1, input gran"},
      {kThree, "key 13, key 27, key 45, key 69, key 71, key 113, key 115", "", ""},
      {kTwo, "select 1, click btnAdd", "boxes, " + save,
       "select 1, focus txtTitle, editor, boxes ||, add " + added +
           ", tip 3 games listed"},
      {kTwo, "click btnAdd, click btnAdd", "boxes, fill A|B|C, click btnCancel",
       "focus txtTitle, editor, boxes ||, tip 2 games listed, focus txtTitle, editor, "
       "boxes ||, "
       "tip 2 games listed"},
      {kTwo, "select 0, dblclick", "boxes, " + save,
       "select 0, focus txtTitle, editor, boxes Game|SLUS-00453|C:\\g.mem, row 0 " +
           added},
      {kTwo, "select 1, click btnChange", "boxes",
       "select 1, focus txtTitle, editor, boxes G|SLUS-00453|, close box"},
      {kTwo, "click btnChange", "boxes, " + save,
       "focus txtTitle, editor, boxes ||, add " + added}};
  for (const auto& [catalogue, steps, inEditor, journal] : rows) {
    Machine m;
    m.files["C:\\g.mem"] = "x";
    m.Start(catalogue);
    m.Journal();
    m.toolkit.whileModal = [&](fakes::FakeWindow&) { m.Do(inEditor); };
    m.Do(steps);
    EXPECT_EQ(m.Journal(), journal) << steps;
  }
  Machine m;  // Change and Remove follow whether the list has rows
  m.Start();
  m.Do("select -1");
  EXPECT_FALSE(m.form->btnChange.Enabled() || m.form->btnDel.Enabled());
  m.list().items = {"a"};
  m.Do("select -1");
  EXPECT_TRUE(m.form->btnChange.Enabled() && m.form->btnDel.Enabled());
}

// Select applies the selected game's card, offering to create it when it is
// missing; a card that cannot be created is reported and nothing is applied.
TEST(Commands, SelectAppliesOrCreatesTheCard) {
  const std::string
      card = "C:\\VGS\\gt.mem",
      ask = "box "s + entry::kCreateCardQuestion,
      create = ", mkdir " + card + ", write " + card,
      none =
          ", box There is no memory card to create: select a game that has a "
          "memory card path.";
  // What the card file holds ("-": there is none), the steps; the journal.
  const std::tuple<std::string, std::string, std::string> rows[] = {
      {"x", "select 1, click btnSelect", "select 1, card " + card},
      {"", "select 1, answer 6, click btnSelect",
       "select 1, " + ask + create + ", card " + card},
      {"-", "select 1, click btnSelect", "select 1, " + ask},
      {"-", "select 1, answer 6, writes fail, click btnSelect",
       "select 1, " + ask + create + ", box The memory card could not be created:\r\n" +
           card},
      {"-", "answer 6, click btnSelect", ask + none},
      {"-", "select 2, answer 6, click btnSelect", "select 2, " + ask + none}};
  for (const auto& [content, steps, journal] : rows) {
    Machine m;
    m.Start("SLUS-00453 F\tC:\\ff.mem\r\nSCES-01234 G\t" + card +
            "\r\nSLUS-00001 No card\r\n");
    if (content != "-") m.files[card] = content;
    m.Journal();
    m.Do(steps);
    EXPECT_EQ(m.Journal(), journal) << content << steps;
  }
}

}  // namespace
}  // namespace slotmate
