// The game editor: the code box's keys, the checks on Save, and the
// dialog's flows.

#include <optional>

#include "editor/entry_rules.h"
#include "editor/memory_card.h"
#include "native/machine.h"

namespace slotmate {
namespace {

const std::string kCard = "C:\\VGS\\g.mem";
const std::string kRow = "SLUS-00453 Game\t" + kCard;

TEST(Editor, BoxesSelectTheirTextOnFocusAndTheCodeBoxTakesOnlyIdKeys) {
  Machine m;
  m.Start();
  formGame& e = m.editor();
  for (platform::TextBox* box : {&e.txtTitle, &e.txtPath, &e.txtCode}) {
    box->SetText("Some text"), box->SetFocus();
    EXPECT_EQ(box->SelectionStart() * 100 + box->SelectionLength(), 9);
  }
  for (char c : "cslpeumCSLPEUM-0123456789\b"s)
    EXPECT_EQ(Fake(e.txtCode).Press(c), std::toupper(c)) << int(c);
  for (char c : " xAz/:\t\x16\x03\xE9"s) EXPECT_EQ(Fake(e.txtCode).Press(c), 0) << int(c);
}

// Save checks the entry step by step; the first failing step is shown and its
// box gets the focus. A missing or empty card is offered for creation.
TEST(Editor, SaveChecksTheEntry) {
  const std::string T = entry::kEnterTitle, R = entry::kNoRegionCode,
                    F = entry::kBadIdFormat, P = entry::kInvalidCharacters,
                    Q = entry::kCreateCardQuestion, N = entry::kInvalidCard;
  // Typed "title|code|path", the card there ("-": none), the answer to the
  // question (8: Yes, but the card cannot be written); the messages, and
  // where the focus goes and what the boxes hold afterwards.
  const std::tuple<std::string, std::string, int, Rows, std::string> rows[] = {
      {"  | SLUS-00453 |" + kCard, "x", 0, {T}, "txtTitle:| SLUS-00453 |" + kCard},
      {" A |  SLUS-00453 |" + kCard, "x", 0, {}, ":A|SLUS-00453|" + kCard},
      {" A | SLUM-00453 |" + kCard, "x", 0, {R}, "txtCode:A|SLUM-00453|" + kCard},
      {"A|SLUS_00453|" + kCard, "x", 0, {R}, "txtCode:A|SLUS_00453|" + kCard},
      {"A||" + kCard, "x", 0, {R}, "txtCode:A||" + kCard},
      {"A|SLUS-0045|" + kCard, "x", 0, {F}, "txtCode:A|SLUS-0045|" + kCard},
      {"A|SLUS-00A53|" + kCard, "x", 0, {F}, "txtCode:A|SLUS-00A53|" + kCard},
      {"A|slus-00453|" + kCard, "x", 0, {F}, "txtCode:A|slus-00453|" + kCard},
      {"A|XXUS-00453|" + kCard, "x", 0, {F}, "txtCode:A|XXUS-00453|" + kCard},
      {"A|SLPM-00453| " + kCard, "x", 0, {P}, "txtPath:A|SLPM-00453| " + kCard},
      {"A|SCES-00453|C:\\b.txt", "x", 0, {P}, "txtPath:A|SCES-00453|C:\\b.txt"},
      {"A|SLUS-00453|" + kCard, "-", 6, {Q}, ":A|SLUS-00453|" + kCard},
      {"A|SLUS-00453|" + kCard, "-", 7, {Q, N}, "txtPath:A|SLUS-00453|" + kCard},
      {"A|SLUS-00453|" + kCard, "-", 8, {Q, N}, "txtPath:A|SLUS-00453|" + kCard},
      {"A|SLUS-00453|" + kCard, "", 6, {Q}, ":A|SLUS-00453|" + kCard},
      {"A|SLUS-00453|" + kCard, "", 7, {Q, N}, "txtPath:A|SLUS-00453|" + kCard}};
  for (const auto& [typed, card, answer, messages, after] : rows) {
    Machine m;
    m.Start();
    const auto bar = typed.find('|'), bar2 = typed.find('|', bar + 1);
    m.Fill(typed.substr(0, bar), typed.substr(bar + 1, bar2 - bar - 1),
           typed.substr(bar2 + 1));
    if (card != "-") m.files[kCard] = card;
    m.answers = {answer == 8 ? 6 : answer};
    if (answer == 8) m.failWrites = "Access is denied.";
    const bool accepted = m.editor().ValidateEntry();
    EXPECT_EQ(accepted, after[0] == ':') << typed;
    EXPECT_EQ(m.Texts(), messages) << typed;
    EXPECT_EQ(Fake(m.editor().window).focused + ":" + m.Boxes(), after);
    EXPECT_EQ(m.files[kCard].size() == 131136, answer == 6) << typed;
    for (const auto& box : m.boxes) EXPECT_EQ(box.owner, m.editor().window.Handle());
  }
}

TEST(Editor, CreatesTheCardsFoldersThenTheCardAndFailsSilently) {
  Machine m;
  m.Start();
  m.log.clear();
  EXPECT_TRUE(m.editor().CreateMemoryCard("C:\\VGS\\Sub\\new.mem"));
  EXPECT_EQ(m.log, (Rows{"mkdir C:\\VGS\\Sub\\new.mem", "write C:\\VGS\\Sub\\new.mem"}));
  EXPECT_EQ(m.files["C:\\VGS\\Sub\\new.mem"], BlankMemoryCardImage());
  m.failWrites = "The disk is full.";
  EXPECT_FALSE(m.editor().CreateMemoryCard("C:\\VGS\\x.mem"));
  EXPECT_TRUE(m.boxes.empty());
}

// Get fills the code from the disc, a title when there is none (counting the
// rows), and a card named after the title unless the given card exists.
TEST(Editor, GetTakesTheGameFromTheDisc) {
  // The boot file, the boxes before ("" for the path: D:\c.mem, which holds
  // the card given), and the boxes after.
  const std::tuple<std::string, std::string, std::optional<std::string>, std::string>
      rows[] = {
          {kBoot, "|", std::nullopt, "New Game 3|SLUS-00453|C:\\VGS\\New Game 3.mem"},
          {kBoot, "F: 1|", std::nullopt, "F: 1|SLUS-00453|C:\\VGS\\F 1.mem"},
          {kBoot, "a;b:c<d>e|f?g*h\"i/ j|", std::nullopt,
           "a;b:c<d>e|f?g*h\"i/ j|SLUS-00453|C:\\VGS\\abcdefghi/ j.mem"},
          {kBoot, "G|D:\\c.mem", "x", "G|SLUS-00453|D:\\c.mem"},
          {kBoot, "G|D:\\c.mem", std::nullopt, "G|SLUS-00453|C:\\VGS\\G.mem"},
          {kBoot, "G|D:\\c.mem", "", "G|SLUS-00453|C:\\VGS\\G.mem"},
          {"BOOT = cdrom:\\S", "G|", std::nullopt, "G|S-|C:\\VGS\\G.mem"},
          {"", "G|D:\\c.mem", std::nullopt, "G|SLUS|D:\\c.mem"}};
  for (const auto& [boot, before, card, after] : rows) {
    Machine m;
    m.Start("a\r\nb\r\n");
    m.files["E:\\system.cnf"] = boot;
    if (card) m.files["D:\\c.mem"] = *card;
    const auto bar = before.rfind('|');
    m.Fill(before.substr(0, bar), "SLUS", before.substr(bar + 1));
    Fake(m.editor().btnGet).Fire("click");
    EXPECT_EQ(m.Boxes(), after);
    EXPECT_EQ(m.Texts(), boot.empty() ? Rows{entry::kIdNotFound} : Rows{});
  }
}

// However the dialog ends, only a Save that passes the checks writes the
// line, where InsertPos says, and marks the catalogue changed even when the
// line is what it was.
TEST(Editor, OnlyAGoodSaveWritesTheLine) {
  // InsertPos, the code typed, the button clicked; the rows afterwards, and
  // whether the dialog was still open after the click.
  const std::tuple<int, std::string, std::string, Rows, bool> rows[] = {
      {-1, "SLUS-00453", "Save", {kRow, "B", kRow}, false},
      {-5, "SLUS-00453", "Save", {kRow, "B", kRow}, false},
      {0, "SLUS-00453", "Save", {kRow, "B"}, false},
      {1, "SLUS-00453", "Save", {kRow, kRow}, false},
      {1, "SLUS-0045", "Save", {kRow, "B"}, true},
      {1, "SLUS-00453", "Cancel", {kRow, "B"}, false},
      {1, "SLUS-00453", "", {kRow, "B"}, true}};  // then the close box
  for (const auto& [insertPos, code, button, after, stillOpen] : rows) {
    Machine m;
    m.Start("SLUS-00453 Game\tC:\\VGS\\g.mem\r\nB\r\n");
    m.files[kCard] = "x";
    formGame& e = m.editor();
    e.InsertPos = insertPos;
    bool open = false;
    m.toolkit.whileModal = [&](fakes::FakeWindow& w) {
      m.Fill("Game", code, kCard);
      if (!button.empty()) Fake(button == "Save" ? e.btnSave : e.btnCancel).Fire("click");
      open = w.modal;
    };
    e.ShowModal();
    EXPECT_EQ(m.list().items, after) << insertPos << button;
    EXPECT_EQ(m.form->DataChanged, button == "Save" && !stillOpen);
    EXPECT_EQ(open, stillOpen) << insertPos << button;
  }
}

TEST(Editor, ShowsOverTheMainWindowWithTheGivenBoxesAndEmptiesThemAfter) {
  Machine m;
  m.Start();
  Rows seen;
  m.toolkit.whileModal = [&](fakes::FakeWindow& w) {
    EXPECT_EQ(w.owner, &m.form->window);
    seen.push_back(w.focused + ":" + m.Boxes());
    m.Fill("typed", "SLUS", "C:\\x.mem");
  };
  m.Fill("Given", "SCES-00001", kCard);
  m.editor().ShowModal();
  EXPECT_EQ(m.Boxes(), "||");
  m.editor().ShowModal();
  EXPECT_EQ(seen, (Rows{"txtTitle:Given|SCES-00001|" + kCard, "txtTitle:||"}));
}

TEST(Editor, BrowsePutsTheChosenCardInThePathBox) {
  const std::pair<std::optional<std::string>, std::string> rows[] = {
      {std::nullopt, "C:\\old.mem"},  // cancelled
      {"", "C:\\old.mem"},
      {"E:\\cards\\new.mem", "E:\\cards\\new.mem"},
      {"  E:\\my cards\\a.mem ", "E:\\my cards\\a.mem"}};
  for (const auto& [chosen, path] : rows) {
    Machine m;
    m.folder = "D:\\Tools";
    m.Start();
    m.chosenFile = chosen;
    m.editor().txtPath.SetText("C:\\old.mem");
    Fake(m.editor().btnBrowse).Fire("click");
    EXPECT_EQ(m.editor().txtPath.Text(), path);
    EXPECT_EQ(m.fileDialog.hwndOwner, m.editor().window.Handle());
    EXPECT_EQ(m.fileDialog.hInstance, 0x400000u);
    EXPECT_EQ(m.fileDialog.lpstrInitialDir, "D:\\Tools");
  }
}

}  // namespace
}  // namespace slotmate
