// The game editor: the code box's keys, the checks on Save, and its flows.

#include <optional>

#include "editor/entry_rules.h"
#include "editor/memory_card.h"
#include "native/machine.h"

namespace slotmate {
namespace {

const std::string kCard = "C:\\VGS\\g.mem", kRow = "SLUS-00453 Game\t" + kCard;

TEST(Editor, BoxesSelectTheirTextOnFocusAndTheCodeBoxTakesOnlyIdKeys) {
  Machine m;
  m.Start();
  formGame& e = m.editor();
  for (platform::TextBox* box : {&e.txtTitle, &e.txtPath, &e.txtCode}) {
    box->SetText("Some text"), box->SetFocus();
    EXPECT_EQ(box->SelectionStart() * 100 + box->SelectionLength(), 9);
  }
  for (char c : "cslpeumCSLPEUM-0123456789\b"s)
    EXPECT_EQ(Fake(e.txtCode).Press(std::uint8_t(c)), std::toupper(c)) << int(c);
  for (char c : " xAz/:\t\x16\x03\xE9"s)
    EXPECT_EQ(Fake(e.txtCode).Press(std::uint8_t(c)), 0) << int(c);
}

// Save checks the entry step by step: the first failing step is shown and
// its box gets the focus. A missing or empty card is offered for creation.
TEST(Editor, SaveChecksTheEntry) {
  const std::string T = "box "s + entry::kEnterTitle + ", focus txtTitle",
                    R = "box "s + entry::kNoRegionCode + ", focus txtCode",
                    F = "box "s + entry::kBadIdFormat + ", focus txtCode",
                    P = "box "s + entry::kInvalidCharacters + ", focus txtPath",
                    Q = "box "s + entry::kCreateCardQuestion,
                    N = ", box "s + entry::kInvalidCard + ", focus txtPath",
                    made = ", mkdir " + kCard + ", write " + kCard;
  // The boxes typed, the card there ("-": none) and the steps; the journal
  // and the boxes afterwards.
  const std::tuple<Rows, std::string, std::string, std::string, std::string> rows[] = {
      {{"  ", " SLUS-00453 ", kCard}, "x", "", T, "| SLUS-00453 |" + kCard},
      {{" A ", "  SLUS-00453 ", kCard}, "x", "", "", "A|SLUS-00453|" + kCard},
      {{" A ", " SLUM-00453 ", kCard}, "x", "", R, "A|SLUM-00453|" + kCard},
      {{"A", "SLUS_00453", kCard}, "x", "", R, "A|SLUS_00453|" + kCard},
      {{"A", "", kCard}, "x", "", R, "A||" + kCard},
      {{"A", "SLUS-0045", kCard}, "x", "", F, "A|SLUS-0045|" + kCard},
      {{"A", "SLUS-00A53", kCard}, "x", "", F, "A|SLUS-00A53|" + kCard},
      {{"A", "slus-00453", kCard}, "x", "", F, "A|slus-00453|" + kCard},
      {{"A", "XXUS-00453", kCard}, "x", "", F, "A|XXUS-00453|" + kCard},
      {{"A", "SLPM-00453", " " + kCard}, "x", "", P, "A|SLPM-00453| " + kCard},
      {{"A", "SCES-00453", "C:\\b.txt"}, "x", "", P, "A|SCES-00453|C:\\b.txt"},
      {{"A", "SLUS-00453", kCard}, "-", "answer 6", Q + made, "A|SLUS-00453|" + kCard},
      {{"A", "SLUS-00453", kCard}, "-", "answer 7", Q + N, "A|SLUS-00453|" + kCard},
      {{"A", "SLUS-00453", kCard},
       "-",
       "answer 6, writes fail",
       Q + made + N,
       "A|SLUS-00453|" + kCard},
      {{"A", "SLUS-00453", kCard}, "", "answer 6", Q + made, "A|SLUS-00453|" + kCard},
      {{"A", "SLUS-00453", kCard}, "", "answer 7", Q + N, "A|SLUS-00453|" + kCard}};
  for (const auto& [typed, card, steps, journal, after] : rows) {
    Machine m;
    m.Start();
    m.Fill(typed[0], typed[1], typed[2]);
    if (card != "-") m.files[kCard] = card;
    m.Do(steps);
    m.Journal();
    EXPECT_EQ(m.editor().ValidateEntry(), journal.find("focus") == std::string::npos)
        << after;
    EXPECT_EQ(m.Journal(), journal);
    EXPECT_EQ(m.Boxes(), after);
    EXPECT_TRUE(m.files[kCard].size() < 2 || m.files[kCard] == BlankMemoryCardImage());
    for (const auto& box : m.boxes) EXPECT_EQ(box.owner, m.editor().window.Handle());
  }
}

// Get fills the code from the disc, a title when there is none (counting the
// rows), and a card named after the title unless the given card exists.
TEST(Editor, GetTakesTheGameFromTheDisc) {
  // The boot file, the title and the path (D:\c.mem holds the card given);
  // the boxes afterwards.
  const std::tuple<std::string, Rows, std::optional<std::string>, std::string> rows[] = {
      {kBoot, {"", ""}, std::nullopt, "New Game 3|SLUS-00453|C:\\VGS\\New Game 3.mem"},
      {kBoot, {"F: 1", ""}, std::nullopt, "F: 1|SLUS-00453|C:\\VGS\\F 1.mem"},
      {kBoot,
       {"a;b<c>d|e?f*g\"h/ i", ""},
       std::nullopt,
       "a;b<c>d|e?f*g\"h/ i|SLUS-00453|C:\\VGS\\abcdefgh/ i.mem"},
      {kBoot, {"G", "D:\\c.mem"}, "x", "G|SLUS-00453|D:\\c.mem"},
      {kBoot, {"G", "D:\\c.mem"}, std::nullopt, "G|SLUS-00453|C:\\VGS\\G.mem"},
      {kBoot, {"G", "D:\\c.mem"}, "", "G|SLUS-00453|C:\\VGS\\G.mem"},
      {"BOOT = cdrom:\\S", {"G", ""}, std::nullopt, "G|S-|C:\\VGS\\G.mem"},
      {"", {"G", "D:\\c.mem"}, std::nullopt, "G|SLUS|D:\\c.mem"}};
  for (const auto& [boot, typed, card, after] : rows) {
    Machine m;
    m.Start("a\r\nb\r\n");
    m.files["E:\\system.cnf"] = boot;
    if (card) m.files["D:\\c.mem"] = *card;
    m.Fill(typed[0], "SLUS", typed[1]);
    m.Journal();
    m.Do("click btnGet");
    EXPECT_EQ(m.Boxes(), after);
    EXPECT_EQ(m.Journal(), boot.empty() ? "box "s + entry::kIdNotFound : "");
  }
}

// The dialog shows over the main window with the focus in the title; it
// empties its boxes when it closes. However it ends, only a Save that passes
// the checks writes the line, where InsertPos says, and marks the catalogue
// changed even when the line is what it was.
TEST(Editor, OnlyAGoodSaveWritesTheLine) {
  const std::string shown = "focus txtTitle, editor";
  // InsertPos, the steps in the dialog; the journal and the rows afterwards.
  const std::tuple<int, std::string, std::string, Rows> rows[] = {
      {-1, "click btnSave", shown + ", add " + kRow, {kRow, "B", kRow}},
      {-5, "click btnSave", shown + ", add " + kRow, {kRow, "B", kRow}},
      {0, "click btnSave", shown + ", row 0 " + kRow, {kRow, "B"}},
      {1, "click btnSave", shown + ", row 1 " + kRow, {kRow, kRow}},
      {1,
       "fill Game|SLUS-0045|" + kCard + ", click btnSave",
       shown + ", box " + entry::kBadIdFormat + ", focus txtCode, close box",
       {kRow, "B"}},
      {1, "click btnCancel", shown, {kRow, "B"}},
      {1, "", shown + ", close box", {kRow, "B"}}};
  for (const auto& [insertPos, steps, journal, after] : rows) {
    Machine m;
    m.Start(kRow + "\r\nB\r\n");
    m.files[kCard] = "x";
    formGame& e = m.editor();
    e.InsertPos = insertPos;
    m.toolkit.whileModal = [&](fakes::FakeWindow& w) {
      EXPECT_EQ(w.owner, &m.form->window);
      m.Do("fill Game|SLUS-00453|" + kCard + ", " + steps);
    };
    m.Journal();
    e.ShowModal();
    EXPECT_EQ(m.Journal(), journal) << insertPos << steps;
    EXPECT_EQ(m.list().items, after);
    EXPECT_EQ(m.form->DataChanged, journal.find(kRow) != std::string::npos);
    EXPECT_EQ(m.Boxes(), "||");
  }
}

// Browse shows the open dialog over the editor, starting in the program's
// folder; a cancelled one leaves the path as it was.
TEST(Editor, BrowsePutsTheChosenCardInThePathBox) {
  Machine m;
  m.folder = "D:\\Tools";
  m.Start();
  m.chosenFile = "  E:\\my cards\\a.mem ";
  m.Do("click btnBrowse");
  m.chosenFile.reset();
  m.Do("click btnBrowse");
  EXPECT_EQ(m.editor().txtPath.Text(), "E:\\my cards\\a.mem");
  EXPECT_EQ(m.fileDialog.hwndOwner, m.editor().window.Handle());
  EXPECT_EQ(m.fileDialog.lpstrInitialDir, "D:\\Tools");
}

}  // namespace
}  // namespace slotmate
