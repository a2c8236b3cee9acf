#include <map>
#include <optional>

#include "editor_fixture.h"

namespace slotmate {
namespace {

const std::string kFormatText =
    "The game id is invalid. It should have the format Szxx-00000.\r\n"
    "Where z is L or C, and xx is: \r\n"
    "US for NTSC (US and Canada)\r\n"
    "ES for PAL (Europe)\r\n"
    "PS for JAP (Japan)";
const std::string kRegionText =
    "The game id is invalid. It should include US, ES, PM or PS code.";
const std::string kBadPath = "Invalid characters in filename.";
const std::string kAsk = "Do you want to create this memory card?";
const std::string kNoCard = "Invalid memory card";
const std::string kCard = "C:\\VGS\\game.mem";
const std::string kFullCard(131136, 'x');

struct Entry {
  std::string title, code, path;
};

struct ValidateCase {
  const char* name;
  Entry typed;
  std::map<std::string, std::string> files;
  std::vector<int> answers;
  bool failWrites;
  bool accepted;
  std::vector<std::string> messages;
  std::string focus;                    // the box the user is sent back to; "" when none
  Entry after;                          // the boxes afterwards
  std::optional<std::size_t> cardSize;  // at after.path
};

class ValidateEntryTest : public EditorTest,
                          public testing::WithParamInterface<ValidateCase> {};

TEST_P(ValidateEntryTest, RefusesAtTheFirstFailingStep) {
  const ValidateCase& c = GetParam();
  Fill(c.typed.title, c.typed.code, c.typed.path);
  fp.files.files = c.files;
  fp.dialogs.answers.assign(c.answers.begin(), c.answers.end());
  if (c.failWrites) fp.files.failReplace = "Access is denied.";

  EXPECT_EQ(game.ValidateEntry(), c.accepted);

  EXPECT_EQ(MessageTexts(), c.messages);
  ExpectMessagesOwnedByTheEditor();
  for (const auto& m : fp.dialogs.messages)
    EXPECT_EQ(m.style, m.text == kAsk ? 0x24u : 0x40u) << m.text;
  EXPECT_EQ(title.text, c.after.title);
  EXPECT_EQ(code.text, c.after.code);
  EXPECT_EQ(path.text, c.after.path);
  EXPECT_EQ(dialog.focused, c.focus);
  if (!c.focus.empty()) {
    auto& box = dialog.textBox(c.focus);
    EXPECT_EQ(box.selStart, 0);
    EXPECT_EQ(box.selLength, int(box.text.size()));
  }
  auto card = fp.files.files.find(c.after.path);
  if (c.cardSize) {
    ASSERT_NE(card, fp.files.files.end());
    EXPECT_EQ(card->second.size(), *c.cardSize);
  } else {
    EXPECT_EQ(card, fp.files.files.end());
  }
}

// A path case: a good title and ID, the path refused before any file is looked at.
ValidateCase BadPath(const char* name, const std::string& p) {
  return {name,      {"Game", "SLUS-00453", p}, {},          {}, false, false, {kBadPath},
          "txtPath", {"Game", "SLUS-00453", p}, std::nullopt};
}

ValidateCase BadId(const char* name, const std::string& id, const std::string& text) {
  return {name,      {"Game", id, kCard}, {{kCard, kFullCard}}, {}, false, false, {text},
          "txtCode", {"Game", id, kCard}, kFullCard.size()};
}

// Accepted without a word, the boxes as `after`, the card of `size` bytes at its path.
ValidateCase Accepted(const char* name, const Entry& typed, const std::string& card,
                      const Entry& after) {
  return {name, typed, {{after.path, card}}, {}, false, true, {}, "", after, card.size()};
}

// A card case: a good entry whose card is missing or empty, so the user is
// asked; refused, the user is sent back to the path.
ValidateCase Card(const char* name, const std::string& id,
                  const std::map<std::string, std::string>& files, int answer,
                  bool failWrites, bool accepted, std::optional<std::size_t> size) {
  std::vector<std::string> messages = {kAsk};
  if (!accepted) messages.push_back(kNoCard);
  return {name,
          {"Game", id, kCard},
          files,
          {answer},
          failWrites,
          accepted,
          messages,
          accepted ? "" : "txtPath",
          {"Game", id, kCard},
          size};
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ValidateEntryTest,
    testing::Values(
        ValidateCase{"TitleOfBlanks",
                     {"   ", " SLUS-00453 ", kCard},
                     {{kCard, kFullCard}},
                     {},
                     false,
                     false,
                     {"Enter a game title."},
                     "txtTitle",
                     {"", " SLUS-00453 ", kCard},
                     kFullCard.size()},
        Accepted("BlanksTrimmedAndAccepted", {"  Crash  ", "  SLUS-00453 ", kCard},
                 kFullCard, {"Crash", "SLUS-00453", kCard}),
        ValidateCase{"TrimmingStaysWhenRefusedLater",
                     {" Crash ", " SLUM-00453 ", kCard},
                     {},
                     {},
                     false,
                     false,
                     {kRegionText},
                     "txtCode",
                     {"Crash", "SLUM-00453", kCard},
                     std::nullopt},
        BadId("UmIsNoRegion", "SLUM-00453", kRegionText),
        BadId("UnderscoreIsNoRegion", "SLUS_00453", kRegionText),
        BadId("EmptyId", "", kRegionText), BadId("ShortNumber", "SLUS-0045", kFormatText),
        BadId("LetterInNumber", "SLUS-00A53", kFormatText),
        BadId("LowerCase", "slus-00453", kFormatText),
        BadId("WrongPrefix", "XXUS-00453", kFormatText),
        BadPath("DoubleBackslash", "C:\\\\VGS\\game.mem"),
        BadPath("NetworkPath", "\\\\server\\share\\game.mem"),
        BadPath("NoBackslashAfterDrive", "C:game.mem"), BadPath("NoDrive", "game.mem"),
        BadPath("NotMem", "C:\\VGS\\game.txt"),
        BadPath("LeadingBlank", " C:\\VGS\\game.mem"),
        BadPath("TrailingBlank", "C:\\VGS\\game.mem "),
        BadPath("ForbiddenCharacter", "C:\\VGS\\ga?me.mem"),
        Accepted("UpperCaseExtension", {"Game", "SCES-00001", "C:\\VGS\\game.MEM"}, "x",
                 {"Game", "SCES-00001", "C:\\VGS\\game.MEM"}),
        Card("MissingCardCreatedOnYes", "SLPM-12345", {}, platform::kIdYes, false, true,
             131136),
        Card("MissingCardRefusedOnNo", "SLUS-00453", {}, platform::kIdNo, false, false,
             std::nullopt),
        Card("CardThatCannotBeWritten", "SLUS-00453", {}, platform::kIdYes, true, false,
             std::nullopt),
        Card("EmptyCardReplacedOnYes", "SLUS-00453", {{kCard, ""}}, platform::kIdYes,
             false, true, 131136),
        Card("EmptyCardKeptOnNo", "SLUS-00453", {{kCard, ""}}, platform::kIdNo, false,
             false, 0)),
    [](const auto& info) { return info.param.name; });

TEST_F(EditorTest, CreatedCardGetsItsFoldersAndTheBlankImage) {
  EXPECT_TRUE(game.CreateMemoryCard("C:\\VGS\\Sub\\new.mem"));
  EXPECT_TRUE(fp.files.folders.contains("C:\\VGS"));
  EXPECT_TRUE(fp.files.folders.contains("C:\\VGS\\Sub"));
  const std::string& card = fp.files.files.at("C:\\VGS\\Sub\\new.mem");
  ASSERT_EQ(card.size(), 131136u);
  EXPECT_EQ(card.substr(0, 4), "VgsM");
  EXPECT_TRUE(fp.dialogs.messages.empty());
}

TEST_F(EditorTest, CardCreationFailureIsReportedOnlyByTheResult) {
  fp.files.failReplace = "The disk is full.";
  EXPECT_FALSE(game.CreateMemoryCard("C:\\VGS\\new.mem"));
  fp.files.failReplace.reset();
  fp.files.notReady.insert("F:");
  EXPECT_FALSE(game.CreateMemoryCard("F:\\new.mem"));
  EXPECT_TRUE(fp.files.files.empty());
  EXPECT_TRUE(fp.dialogs.messages.empty());
}

}  // namespace
}  // namespace slotmate
