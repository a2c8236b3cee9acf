// games.txt, and the main window's commands.

#include <fstream>
#include <iterator>
#include <optional>

#include "catalogue/catalogue.h"
#include "catalogue/disc_sets.h"
#include "editor/entry_rules.h"
#include "native/machine.h"

namespace slotmate {
namespace {

// games.txt is loaded whole and, once changed, saved whole with CR LF; a
// disc without an entry of its own finds its game's.
TEST(Catalogue, LoadsSavesAndFindsAGamesEntry) {
  fakes::FakeSystem disk;
  Catalogue catalogue;
  disk.files[kGames] =
      "a\tC:\\a.mem\r\n\r\nSCUS-94164 FF7 2\tC:\\2.mem\r\nscus-94163 FF7\tC:\\1.mem";
  EXPECT_EQ(catalogue.LoadGames(disk, kGames), std::nullopt);
  const std::map<std::string, std::optional<std::size_t>> found = {
      {"SCUS-94163", 3}, {"SCUS-94165", 2}, {"", {}}};
  for (const auto& [id, entry] : found) EXPECT_EQ(catalogue.Find(id), entry) << id;
  catalogue.Remove(1);
  EXPECT_EQ(catalogue.SaveGames(disk, kGames), std::nullopt);
  EXPECT_EQ(
      disk.files[kGames],
      "a\tC:\\a.mem\r\nSCUS-94164 FF7 2\tC:\\2.mem\r\nscus-94163 FF7\tC:\\1.mem\r\n");
  disk.files.erase(kGames);
  catalogue.LoadGames(disk, kGames);
  EXPECT_EQ(catalogue.Count(), 0u);  // no games.txt: no games
}

// The main window's keys and buttons, and the editor they open.
TEST(Commands, KeysAndButtons) {
  auto in = [](const std::string& games, const std::string& steps) {
    return "games " + games + ", start, clear, " + steps;
  };
  const std::string edit =
                        "SLUS-00453  Game  \t  C:\\g.mem  \r\nSLUS-00453 "
                        "G\t\r\nSLUS-00453 G\tC:\\g.mem",
                    look =
                        "SLUS-00453 Final Fantasy\tC:\\ff.mem\r\nSCES-01234 Gran "
                        "Turismo\tC:\\gt.mem\r\n"
                        "SLES-00001 \xC9lan\tC:\\e\\slus.mem\r\n",
                    remove = "box Remove this game from the list?, ",
                    got = "file E:\\system.cnf=" + kBoot + ", ", gone = ", closed",
                    opened = "focus txtTitle, all selected, editor, ",
                    saved = ", write " + kGames, fill = "fill New|SLPS-01234|C:\\g.mem; ",
                    added = "SLPS-01234 New\tC:\\g.mem",
                    ask = "box "s + entry::kCreateCardQuestion,
                    made = ", mkdir C:\\gt.mem, write C:\\gt.mem",
                    browse = "browse Select Memory Card from C:\\Slotmate, ",
                    longest = std::string(259, 'x'),  // MAX_PATH with its NUL
      tooLong = longest + 'x',
                    unmade = "The memory card could not be created:\r\nC:\\e\\slus.mem";
  // Unanswered, a question gets Enter: No to a removal, Yes to a new card.
  // clang-format off
  ExpectJournals({
      // A disc swapped meanwhile is switched as the question goes; Yes removes the row chosen.
      {"Remove removes the chosen row", in(look, "file C:\\ff.mem=x, insert E:, tick, select 1, click Remove, answer Yes, in box eject E:; announce E: left; insert E:; announce E:, click Remove, close box"),
       "tick, poll E:, select 0, card C:\\ff.mem, select 1, " + remove + remove + "announce E: left, poll E:, announce E:, poll E:, poll E:, select 0, card C:\\ff.mem, remove 1, tip 2 games listed" + saved + ", hide"},
      {"Delete on no row", in("", "answer Yes, key Delete"), remove + "tip 0 games listed"},
      // A disc put in while a box is open is switched when the box has gone.
      {"F searches from the top, F3 on", in(look, "file C:\\ff.mem=x, select 2, type slus, key F, key F3, key F3, key F3, in box insert E:; tick, key F3, key F3, in box eject E:; tick; insert E:; tick, type gran, key F"),
       "select 2, input , select none, select 0, select 2, box 'slus' not found., select none, "
       "select 0, select 2, box 'slus' not found., tick, poll E:, poll E:, select 0, card C:\\ff.mem, input slus, tick, poll E:, tick, poll E:, poll E:, select 0, card C:\\ff.mem, select none, select 1"},
      {"F offers the last search", in(look, "type gran, key F3, type , key F"),
       "input , select none, select 1, input gran"},
      {"no rows, no Change", in("", "select none, click Change, click Remove"), "select none"},
      {"Add saves a new row", in(edit, "select 1, in editor boxes; " + fill + "click Save, click Add, close box"),
       "select 1, " + opened + "boxes ||, add " + added + ", tip 4 games listed" + saved + ", hide"},
      {"Cancel saves nothing", in(edit, "in editor boxes; fill A|B|C; click Cancel, click Add, click Add, close box"),
       opened + "boxes ||, " + opened + "boxes ||, hide"},
      {"double-click changes a row", in(edit, "select 0, in editor boxes; " + fill + "click Save, double-click row"),
       "select 0, " + opened + "boxes Game|SLUS-00453|C:\\g.mem, row 0 " + added},
      {"Browse fills the path", in(edit, "select 1, in editor choose  E:\\a b.mem ; click Browse; boxes; choose " + longest + "; click Browse; choose " + tooLong + "; click Browse; boxes, click Change"),
       "select 1, " + opened + browse + "boxes G|SLUS-00453|E:\\a b.mem, " + browse + browse + "box " + entry::kFileNameTooLong + ", boxes G|SLUS-00453|" + longest + ", closed"},
      // A poll while the editor is open moves the selection; Save keeps to its row.
      {"Change saves the row, Add adds", in(edit, "select 1, in editor insert E:; tick; " + fill + "click Save, click Change, click Add"),
       "select 1, " + opened + "tick, poll E:, select 0, card C:\\g.mem, row 1 " + added + ", " + opened + "tick, poll E:, add " + added + ", tip 4 games listed"},
      {"Change of a row without title", in("SLUS-00453 \tC:\\g.mem", "select 0, in editor boxes, click Change"),
       "select 0, " + opened + "boxes |SLUS-00453|C:\\g.mem, closed"},
      {"Change of a line without path", in(edit, "select 2, in editor click Save, click Change, close box"),
       "select 2, " + opened + "row 2 SLUS-00453 G\tC:\\g.mem" + saved + ", hide"},
      {"Change with no row adds", in(edit, "in editor " + fill + "click Save, click Change"), opened + "add " + added + ", tip 4 games listed"},
      {"Get in a new game", in(edit, got + "in editor click Get; boxes, click Add"),
       opened + "boxes New Game 4|SLUS-00453|C:\\VGS\\New Game 4.mem" + gone},
      {"Get keeps a card that is there", in(edit, got + "select 0, in editor click Get; boxes, click Change"),
       "select 0, " + opened + "boxes Game|SLUS-00453|C:\\g.mem, closed"},
      {"Get with no disc", in(edit, "in editor fill G|SLUS|D:\\c.mem; click Get; boxes, click Add"),
       opened + "box " + entry::kIdNotFound + ", boxes G|SLUS|D:\\c.mem" + gone},
      // Told once each.
      {"no system DLLs", in(edit, "no system DLLs, tick, tick, in editor click Browse; click Browse, click Add"),
       "tick, balloon Slotmate: "s + formSlotmate::kNoMediaControl + ", tick, " + opened + browse + "box " +
       entry::kFileDialogMissing + ", " + browse + "closed"},
      {"Select applies the card", in(look, "file C:\\ff.mem=x, select 0, click Select"), "select 0, card C:\\ff.mem"},
      {"Enter creates a blank card", in(look, "file C:\\gt.mem=, select 1, click Select, look at card C:\\gt.mem"),
       "select 1, " + ask + made + ", card C:\\gt.mem, blank card"},
      {"Select, No", in(look, "select 1, answer No, click Select"), "select 1, " + ask},
      // A card that cannot be examined may hold saves; one made meanwhile is kept.
      {"Select, card not examined", in(look, "locked C:\\gt.mem, select 1, click Select"),
       "select 1, box " + entry::CardNotExamined("C:\\gt.mem", "locked")},
      {"Select, card made meanwhile", in(look, "select 1, answer Yes, in box file C:\\gt.mem=s, click Select"),
       "select 1, " + ask + ", mkdir C:\\gt.mem, card C:\\gt.mem"},
      // A card that cannot be made leaves no folder made for it.
      {"no card, no folder, slashes", in("SLUS-00453 G\tC:/f/s.mem", "select 0, answer Yes, writes fail, click Select"),
       "select 0, " + ask + ", mkdir C:/f/s.mem, write C:/f/s.mem, rmdir C:\\f, box The memory card could "
       "not be created:\r\nC:/f/s.mem"},
      {"no card, folder kept", in(look, "folder C:\\e, select 2, answer Yes, writes fail, click Select"),
       "select 2, " + ask + ", mkdir C:\\e\\slus.mem, write C:\\e\\slus.mem, box " + unmade},
      // The card is there: what failed is the emulator's setting.
      {"Select, registry fails", in(look, "file C:\\gt.mem=x, registry fails, select 1, click Select"),
       "select 1, " + kNotWritten},
      {"Select with no row", in(look, "answer Yes, click Select"), ask + ", box There is no memory card "
       "to create: select a game that has a memory card path."},
      {"a failed save tries again", in("a\rb\n\r\nc", "close box, change, writes fail, close box, writes work, close box, close box"),
       "hide" + saved + ", box The game list could not be saved to\r\n" + kGames +
       "\r\n\r\nAccess is denied., hide" + saved + ", hide, hide"}});
  // clang-format on
}

// Each line of the data file is a game of its own, found by each of its IDs in
// any letter case, under its title; an ID in no line is in no game.
TEST(DiscSets, TheBuiltInTableAgreesWithTheDataFile) {
  auto lower = [](std::string id) {
    std::ranges::transform(id, id.begin(), ::tolower);
    return id;
  };
  std::ifstream file(SLOTMATE_DISC_SETS_FILE);
  std::set<int> games;
  std::set<std::string> all;
  std::string line, previous;
  while (std::getline(file, line)) {
    if (line.starts_with('#')) continue;
    std::istringstream ids(line.substr(line.find('\t') + 1));
    const Rows discs{std::istream_iterator<std::string>(ids), {}};
    const std::optional<int> game = GameOfDisc(discs.at(0));
    ASSERT_TRUE(game) << line;
    EXPECT_TRUE(games.insert(*game).second) << line;
    EXPECT_EQ(GameTitle(*game), line.substr(0, line.find('\t')));
    EXPECT_FALSE(SameGame(discs[0], previous));
    for (const std::string& id : discs) EXPECT_TRUE(SameGame(discs[0], lower(id))) << id;
    previous = discs[0];
    all.insert(discs.begin(), discs.end());
  }
  ASSERT_FALSE(games.empty());
  EXPECT_EQ(GameTitle(int(games.size())), "");
  for (const std::string& id : all) {
    const std::string beside =
        id.substr(0, 5) + std::to_string(100001 + stoi(id.substr(5))).substr(1);
    EXPECT_TRUE(all.contains(beside) || !GameOfDisc(lower(beside))) << beside;
  }
  for (const std::string id : {"", "SLUS-0776", "SLUS_00776", "SLPS-0201:"}) {
    EXPECT_EQ(GameOfDisc(id), std::nullopt) << id;
    EXPECT_FALSE(SameGame(id, id));
  }
}

}  // namespace
}  // namespace slotmate
