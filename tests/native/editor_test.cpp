// The game editor: the code box's keys, the checks on Save, and its flows.

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
}

// Save checks the entry step by step: the first failing step is shown and
// its box gets the focus. A missing or empty card is offered for creation.
TEST(Editor, SaveChecksTheEntry) {
  const std::string all = ", all selected",
                    T = "box "s + entry::kEnterTitle + ", focus txtTitle" + all,
                    R = "box "s + entry::kNoRegionCode + ", focus txtCode" + all,
                    F = "box "s + entry::kBadIdFormat + ", focus txtCode" + all,
                    P = "box "s + entry::kInvalidCharacters + ", focus txtPath" + all,
                    Q = "box "s + entry::kCreateCardQuestion + ", ",
                    N = "box "s + entry::kInvalidCard + ", focus txtPath" + all,
                    made = "mkdir C:\\g.mem, write C:\\g.mem",
                    ok = "A|SLUS-00453|C:\\g.mem";
  // The boxes typed and the steps (the card C:\g.mem exists unless removed);
  // the journal and the boxes afterwards.
  const std::tuple<std::string, std::string, std::string, std::string> rows[] = {
      {"  | SLUS-00453 |C:\\g.mem", "", T, "| SLUS-00453 |C:\\g.mem"},
      {" A |  SLUS-00453 |C:\\g.mem", "", "", "A|SLUS-00453|C:\\g.mem"},
      {" A | SLUM-00453 |C:\\g.mem", "", R, "A|SLUM-00453|C:\\g.mem"},
      {"A|SLUS-0045|C:\\g.mem", "", F, "A|SLUS-0045|C:\\g.mem"},
      {"A|SLUS-00A53|C:\\g.mem", "", F, "A|SLUS-00A53|C:\\g.mem"},
      {"A|slus-00453|C:\\g.mem", "", F, "A|slus-00453|C:\\g.mem"},
      {"A|SLPM-00453| C:\\g.mem", "", P, "A|SLPM-00453| C:\\g.mem"},
      {"A|SCES-00453|C:\\g.txt", "", P, "A|SCES-00453|C:\\g.txt"},
      {ok, "file C:\\g.mem, answer 6", Q + made, ok},
      {ok, "file C:\\g.mem, answer 7", Q + N, ok},
      {ok, "file C:\\g.mem, answer 6, writes fail", Q + made + ", " + N, ok},
      {ok, "file C:\\g.mem=, answer 6", Q + made, ok},
      {ok, "file C:\\g.mem=, answer 7", Q + N, ok}};
  for (const auto& [typed, steps, journal, after] : rows) {
    Machine m;
    m.Start();
    m.files["C:\\g.mem"] = "x";
    m.Fill(typed);
    m.Do(steps);
    m.Journal();
    EXPECT_EQ(m.editor().ValidateEntry(), journal.find("focus") == std::string::npos)
        << typed;
    EXPECT_EQ(m.Journal(), journal);
    EXPECT_EQ(m.Boxes(), after);
    EXPECT_EQ(m.boxOwner, journal.empty() ? 0 : m.editor().window.Handle());
  }
}

}  // namespace
}  // namespace slotmate
