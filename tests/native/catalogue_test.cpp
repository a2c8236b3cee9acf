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
  const std::tuple<std::string, std::optional<std::string>, Rows, std::string> rows[] = {
      {"C:\\Games", "a\tC:\\a.mem\r\n\r\nb", {"a\tC:\\a.mem", "", "b"}, "3 games listed"},
      {"D:\\", "a\r\n", {"a"}, "1 games listed"},
      {"C:\\Games", std::nullopt, {}, ""},
      {"C:\\Games", "", {}, ""}};
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

// Remove asks first. F searches from the top, F3 on, and past the last match
// clears the selection. Change fills the editor from the row; only a good
// Save writes the line and marks the rows changed. Get takes the disc's ID, a
// title and a card path; Select applies the card or offers to create it. After
// a failed save the next close tries again.
TEST(Commands, KeysAndButtons) {
  auto in = [](const std::string& games, const std::string& steps) {
    return "games " + games + ", start, clear, " + steps;
  };
  const std::string
      edit =
          "SLUS-00453  Game  \t  C:\\g.mem  \r\nSLUS-00453 G\t\r\nSLUS-00453 "
          "G\tC:\\g.mem",
      look =
          "SLUS-00453 Final Fantasy\tC:\\ff.mem\r\nSCES-01234 Gran Turismo\t"
          "C:\\gt.mem\r\nSLES-00001 \xC9lan\tC:\\e\\slus.mem\r\n",
      remove = "box Remove this game from the list?, ",
      got = "file E:\\system.cnf=" + kBoot + ", ", gone = ", closed, tip 3 games listed",
      opened = "focus txtTitle, all selected, editor, ", saved = ", write " + kGames,
      fill = "fill New|SLPS-01234|C:\\g.mem; ", added = "SLPS-01234 New\tC:\\g.mem",
      ask = "box "s + entry::kCreateCardQuestion,
      made = ", mkdir C:\\gt.mem, write C:\\gt.mem",
      unmade = "The memory card could not be created:\r\nC:\\e\\slus.mem";
  // clang-format off
  ExpectJournals({
      {in(edit, "select 0, key 46, close 0"), "select 0, " + remove + "hide"},
      {in(edit, "select 0, answer 6, click btnDel, close 0"),
       "select 0, " + remove + "remove 0, tip 2 games listed" + saved + ", hide"},
      {in("", "answer 6, key 46"), remove + "tip 0 games listed"},
      {in(look, "select 2, type slus, key 70, key 114, key 114, key 114"), "select 2, input , "
       "select -1, select 0, select 2, box 'slus' not found., select -1, select 0"},
      {in(look, "type TURISMO, key 70, key 114"),
       "input , select -1, select 1, box 'TURISMO' not found., select -1"},
      {in(look, "type \xE9LAN, key 70"), "input , select -1, select 2"},
      {in(look, "type gran, key 114, type , key 70"), "input , select -1, select 1, input gran"},
      {in(look, "key 13, key 27, key 45, key 69, key 71, key 113, key 115"), ""},
      {in("", "select -1, buttons"), "select -1, disabled, disabled"},  // Change, Remove
      {in("a", "select -1, buttons"), "select -1, enabled, enabled"},
      {in(edit, "select 1, ineditor boxes; " + fill + "click btnSave, click btnAdd"),
       "select 1, " + opened + "boxes ||, add " + added + ", tip 4 games listed"},
      {in(edit, "ineditor boxes; fill A|B|C; click btnCancel, click btnAdd, click btnAdd, close 0"),
       opened + "boxes ||, tip 3 games listed, " + opened + "boxes ||, tip 3 games listed, hide"},
      {in(edit, "ineditor boxes; click btnBrowse; boxes, click btnAdd"),
       opened + "boxes ||, boxes ||" + gone},
      {in(edit, "select 0, ineditor boxes; " + fill + "click btnSave, dblclick"),
       "select 0, " + opened + "boxes Game|SLUS-00453|C:\\g.mem, row 0 " + added},
      {in(edit, "select 1, ineditor boxes; choose  E:\\a b.mem ; click btnBrowse; boxes, click "
       "btnChange"), "select 1, " + opened + "boxes G|SLUS-00453|, boxes G|SLUS-00453|E:\\a "
       "b.mem, closed"},
      {in(edit, "select 1, ineditor " + fill + "click btnSave, click btnChange"),
       "select 1, " + opened + "row 1 " + added},
      {in(edit, "select 1, ineditor fill G|SLUS-0045|C:\\g.mem; click btnSave, click btnChange, "
       "close 0"), "select 1, " + opened + "box " + entry::kBadIdFormat + ", focus txtCode, "
       "all selected, closed, hide"},
      {in(edit, "select 2, ineditor click btnSave, click btnChange, close 0"),
       "select 2, " + opened + "row 2 SLUS-00453 G\tC:\\g.mem" + saved + ", hide"},
      {in(edit, "ineditor " + fill + "click btnSave, click btnChange"), opened + "add " + added},
      {in(edit, got + "ineditor click btnGet; boxes, click btnAdd"),
       opened + "boxes New Game 4|SLUS-00453|C:\\VGS\\New Game 4.mem" + gone},
      {in(edit, got + "select 1, ineditor click btnGet; boxes, click btnChange"),
       "select 1, " + opened + "boxes G|SLUS-00453|C:\\VGS\\G.mem, closed"},
      {in(edit, got + "select 0, ineditor click btnGet; boxes, click btnChange"),
       "select 0, " + opened + "boxes Game|SLUS-00453|C:\\g.mem, closed"},
      {in(edit, got + "file C:\\g.mem=, select 0, ineditor click btnGet; boxes, click btnChange"),
       "select 0, " + opened + "boxes Game|SLUS-00453|C:\\VGS\\Game.mem, closed"},
      {in(edit, "file E:\\system.cnf=BOOT = cdrom:\\S, ineditor click btnGet; boxes, click btnAdd"),
       opened + "boxes New Game 4|S-|C:\\VGS\\New Game 4.mem" + gone},
      {in(edit, "ineditor fill G|SLUS|D:\\c.mem; click btnGet; boxes, click btnAdd"),
       opened + "box " + entry::kIdNotFound + ", boxes G|SLUS|D:\\c.mem" + gone},
      {in(look, "file C:\\gt.mem=x, select 1, click btnSelect"), "select 1, card C:\\gt.mem"},
      {in(look, "file C:\\gt.mem=, select 1, answer 6, click btnSelect"),
       "select 1, " + ask + made + ", card C:\\gt.mem"},
      {in(look, "select 1, click btnSelect"), "select 1, " + ask},
      // A card that cannot be examined may hold saves; one made meanwhile is kept.
      {in(look, "locked C:\\gt.mem, select 1, click btnSelect"),
       "select 1, box " + entry::CardNotExamined("C:\\gt.mem", "locked")},
      {in(look, "select 1, answer 6, inbox file C:\\gt.mem=s, click btnSelect"),
       "select 1, " + ask + ", mkdir C:\\gt.mem, card C:\\gt.mem"},
      {in(look, "select 1, answer 6, writes fail, click btnSelect"), "select 1, " + ask + made +
       ", box The memory card could not be created:\r\nC:\\gt.mem"},
      // A card that cannot be made leaves no folder made for it.
      {in(look, "select 2, answer 6, writes fail, click btnSelect"), "select 2, " + ask +
       ", mkdir C:\\e\\slus.mem, write C:\\e\\slus.mem, rmdir C:\\e, box " + unmade},
      {in("SLUS-00453 G\tC:/f/s.mem", "select 0, answer 6, writes fail, click btnSelect"), "select 0, " +
       ask + ", mkdir C:/f/s.mem, write C:/f/s.mem, rmdir C:\\f, box The memory card could "
       "not be created:\r\nC:/f/s.mem"},
      {in(look, "folder C:\\e, select 2, answer 6, writes fail, click btnSelect"), "select 2, " +
       ask + ", mkdir C:\\e\\slus.mem, write C:\\e\\slus.mem, box " + unmade},
      // The card is there: what failed is the emulator's setting.
      {in(look, "file C:\\gt.mem=x, registry fails, select 1, click btnSelect"),
       "select 1, " + kNotWritten},
      // Another program's close request leaves the hidden editor for the next use.
      {in(look, "editorclose 3"), ""},
      {in(look, "answer 6, click btnSelect"), ask + ", box There is no memory card to create: "
       "select a game that has a memory card path."},
      {in("a\rb\n\r\nc", "close 0, change, writes fail, close 0, writes work, close 0, close 0"),
       "hide" + saved + ", box The game list could not be saved to\r\n" + kGames +
       "\r\n\r\nAccess is denied., hide" + saved + ", hide, hide"}});
  // clang-format on
}

}  // namespace
}  // namespace slotmate
