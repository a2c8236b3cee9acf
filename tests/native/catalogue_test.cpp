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

// Remove asks first (No by default). F asks and searches from the top, F3
// steps on; past the last match the user is told and the selection cleared,
// so F3 starts over. Add and Change open the editor (Change on the selected
// row, its fields in the boxes). Select applies the selected game's card,
// offering to create it when it is missing. Unchanged rows are not saved; a
// failed save keeps the change and tells the user, and the next close retries.
TEST(Commands, KeysAndButtons) {
  const std::string two = "SLUS-00453  Game  \t  C:\\g.mem  \r\nSLUS-00453 G\t\r\n",
                    three =
                        "SLUS-00453 Final Fantasy\tC:\\ff.mem\r\nSCES-01234 Gran "
                        "Turismo\tC:\\gt.mem\r\nSLES-00001 \xC9lan\tC:\\e\\slus.mem\r\n",
                    remove = "box Remove this game from the list?, ",
                    editor = "focus txtTitle, editor, ",
                    save = "; fill New|SLPS-01234|C:\\g.mem; click btnSave",
                    added = "SLPS-01234 New\tC:\\g.mem",
                    ask = "box "s + entry::kCreateCardQuestion,
                    made = ", mkdir C:\\gt.mem, write C:\\gt.mem, card C:\\gt.mem",
                    none =
                        "box There is no memory card to create: select a game that has a "
                        "memory card path.";
  const std::tuple<std::string, std::string, std::string> rows[] = {
      {two, "select 0, key 46, close 0", "select 0, " + remove + "hide"},
      {two, "select 0, answer 6, click btnDel, close 0",
       "select 0, " + remove + "remove 0, tip 1 games listed, write " + kGames +
           ", hide"},
      {two, "select 1, answer 6, key 46",
       "select 1, " + remove + "remove 1, tip 1 games listed"},
      {"", "answer 6, key 46", remove + "tip 0 games listed"},
      {three, "select 2, type slus, key 70, key 114, key 114, key 114",
       "select 2, input , select -1, select 0, select 2, box 'slus' not found., select "
       "-1, select 0"},
      {three, "type TURISMO, key 70, key 114",
       "input , select -1, select 1, box 'TURISMO' not found., select -1"},
      {three, "type \xE9LAN, key 70", "input , select -1, select 2"},
      {"", "type zelda, key 70", "input , select -1, box 'zelda' not found., select -1"},
      {three, "type gran, key 114, type , key 70",
       "input , select -1, select 1, input gran"},
      {three, "key 13, key 27, key 45, key 69, key 71, key 113, key 115", ""},
      {two, "select 1, ineditor boxes" + save + ", click btnAdd",
       "select 1, " + editor + "boxes ||, add " + added + ", tip 3 games listed"},
      {two, "ineditor boxes; fill A|B|C; click btnCancel, click btnAdd, click btnAdd",
       editor + "boxes ||, tip 2 games listed, " + editor +
           "boxes ||, tip 2 games listed"},
      {two, "select 0, ineditor boxes" + save + ", dblclick",
       "select 0, " + editor + "boxes Game|SLUS-00453|C:\\g.mem, row 0 " + added},
      {two, "select 1, ineditor boxes, click btnChange",
       "select 1, " + editor + "boxes G|SLUS-00453|, closed"},
      {two, "ineditor boxes" + save + ", click btnChange",
       editor + "boxes ||, add " + added},
      {three, "file C:\\gt.mem=x, select 1, click btnSelect",
       "select 1, card C:\\gt.mem"},
      {three, "file C:\\gt.mem=, select 1, answer 6, click btnSelect",
       "select 1, " + ask + made},
      {three, "select 1, click btnSelect", "select 1, " + ask},
      {three, "select 1, answer 6, writes fail, click btnSelect",
       "select 1, " + ask +
           ", mkdir C:\\gt.mem, write C:\\gt.mem, box The memory card could not be "
           "created:\r\nC:\\gt.mem"},
      {three, "answer 6, click btnSelect", ask + ", " + none},
      {two, "select 1, answer 6, click btnSelect", "select 1, " + ask + ", " + none},
      {"a\rb\n\r\nc",
       "close 0, change, writes fail, close 0, writes work, close 0, close 0",
       "hide, write " + kGames + ", box The game list could not be saved to\r\n" +
           kGames + "\r\n\r\nAccess is denied., hide, write " + kGames + ", hide, hide"}};
  for (const auto& [catalogue, steps, journal] : rows) {
    Machine m;
    m.files["C:\\g.mem"] = "x";
    m.Start(catalogue);
    m.Journal();
    m.Do(steps);
    EXPECT_EQ(m.Journal(), journal) << steps;
  }
  Machine m;  // Change and Remove follow whether the list has rows
  m.Do("start, select -1");
  EXPECT_FALSE(m.form->btnChange.Enabled() || m.form->btnDel.Enabled());
  m.list().items = {"a"};
  m.Do("select -1");
  EXPECT_TRUE(m.form->btnChange.Enabled() && m.form->btnDel.Enabled());
}

}  // namespace
}  // namespace slotmate
