// The game editor's code box and its checks on Save.

#include "editor/entry_rules.h"
#include "native/machine.h"

namespace slotmate {
namespace {

TEST(Editor, TheCodeBoxTakesOnlyIdKeys) {
  Machine m;
  m.Start();
  formGame& e = m.editor();
  for (char c : "cslpeumCSLPEUM-0123456789\b"s)
    EXPECT_EQ(Fake(e.txtCode).Press(std::uint8_t(c)), std::toupper(c)) << int(c);
  for (char c : " xAz/:\t\x16\x03\xE9"s)
    EXPECT_EQ(Fake(e.txtCode).Press(std::uint8_t(c)), 0) << int(c);
  EXPECT_EQ(Fake(e.txtCode).Press('C' + 256), 0);  // not a byte: not the letter
}

// The first failing check is shown, and its box gets the focus.
TEST(Editor, SaveChecksTheEntry) {
  // What the user is told: T no title, R no region, F bad format, P bad path,
  // Q the question, N no card.
  auto typed = [](const std::string& boxes, const std::string& then = "") {
    return "start, fill " + boxes + then + ", clear, validate, boxes";
  };
  const std::string no = ", all selected, refused, boxes ", ok = "A|SLUS-00453|C:\\g.mem",
                    T = "box "s + entry::kEnterTitle + ", focus txtTitle" + no,
                    R = "box "s + entry::kNoRegionCode + ", focus txtCode" + no,
                    F = "box "s + entry::kBadIdFormat + ", focus txtCode" + no,
                    P = "box "s + entry::kInvalidCharacters + ", focus txtPath" + no,
                    N = ", box "s + entry::kInvalidCard + ", focus txtPath" + no + ok,
                    Q = "box "s + entry::kCreateCardQuestion,
                    card = ", no file C:\\g.mem", empty = ", file C:\\g.mem=",
                    made = ", mkdir C:\\g.mem, write C:\\g.mem",
                    yes = "valid, boxes " + ok;
  // clang-format off
  ExpectJournals({
      {"no title", typed("  | SLUS-00453 |C:\\g.mem"), T + "| SLUS-00453 |C:\\g.mem"},
      {"no region", typed(" A | SLUM-00453 |C:\\g.mem"), R + "A|SLUM-00453|C:\\g.mem"},
      {"short ID", typed("A|SLUS-0045|C:\\g.mem"), F + "A|SLUS-0045|C:\\g.mem"},
      // Pasted line breaks: blanks in the title, refused in the path.
      {"breaks in title", typed("\tA\r\nB\n|SLUS-00453|C:\\g.mem"), "valid, boxes A  B|SLUS-00453|C:\\g.mem"},
      {"break in path", typed("A|SLUS-00453|C:\\g\t.mem"), P + "A|SLUS-00453|C:\\g\t.mem"},
      {"no card, No", typed(ok, card + ", answer No"), Q + N},
      {"card not made", typed(ok, card + ", answer Yes, writes fail"), Q + made + N},
      {"empty card, Enter", typed(ok, empty), Q + made + ", " + yes},
      {"card not examined", typed(ok, ", locked C:\\g.mem"),
       "box " + entry::CardNotExamined("C:\\g.mem", "locked") + ", focus txtPath" + no + ok}});
  // clang-format on
}

}  // namespace
}  // namespace slotmate
