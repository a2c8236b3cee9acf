#include <gtest/gtest.h>

#include <string>

#include "editor/entry_rules.h"
#include "editor/memory_card.h"
#include "editor/open_file_record.h"

namespace slotmate {
namespace {

using namespace std::string_literals;

struct KeyCase {
  const char* name;
  int typed;
  int taken;  // 0: discarded
};

class CodeKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(CodeKeyTest, FiltersTheKey) {
  EXPECT_EQ(entry::FilterCodeKey(std::int16_t(GetParam().typed)), GetParam().taken);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CodeKeyTest,
    testing::Values(KeyCase{"Backspace", 8, 8}, KeyCase{"Zero", '0', '0'},
                    KeyCase{"Nine", '9', '9'}, KeyCase{"UpperS", 'S', 'S'},
                    KeyCase{"UpperM", 'M', 'M'}, KeyCase{"Dash", '-', '-'},
                    KeyCase{"LowerS", 's', 'S'}, KeyCase{"LowerC", 'c', 'C'},
                    KeyCase{"LowerL", 'l', 'L'}, KeyCase{"LowerP", 'p', 'P'},
                    KeyCase{"LowerE", 'e', 'E'}, KeyCase{"LowerU", 'u', 'U'},
                    KeyCase{"LowerM", 'm', 'M'}, KeyCase{"OtherUpper", 'X', 0},
                    KeyCase{"OtherLower", 'a', 0}, KeyCase{"Blank", ' ', 0},
                    KeyCase{"Underscore", '_', 0}, KeyCase{"CtrlC", 3, 0},
                    KeyCase{"CtrlV", 22, 0}, KeyCase{"CtrlX", 24, 0},
                    KeyCase{"Tab", 9, 0}, KeyCase{"HighCharacter", 0xE9, 0}),
    [](const auto& info) { return info.param.name; });

struct IdCase {
  const char* name;
  std::string id;
  bool region;
  bool format;
};

class GameIdRuleTest : public testing::TestWithParam<IdCase> {};

TEST_P(GameIdRuleTest, ChecksRegionAndFormat) {
  EXPECT_EQ(entry::HasRegionCode(GetParam().id), GetParam().region);
  EXPECT_EQ(entry::HasIdFormat(GetParam().id), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, GameIdRuleTest,
    testing::Values(IdCase{"Us", "SLUS-00453", true, true},
                    IdCase{"Es", "SCES-00001", true, true},
                    IdCase{"Pm", "SLPM-12345", true, true},
                    IdCase{"Ps", "SCPS-10001", true, true},
                    IdCase{"LowerCaseRegionOnly", "slus-00453", true, false},
                    IdCase{"RegionAnywhere", "xxUS-", true, false},
                    IdCase{"NoDash", "SLUS_00453", false, false},
                    IdCase{"UmIsNoRegion", "SLUM-00453", false, true},
                    IdCase{"Empty", "", false, false}),
    [](const auto& info) { return info.param.name; });

struct PathCase {
  const char* name;
  std::string path;
  bool invalid;
};

class InvalidPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(InvalidPathTest, JudgesThePath) {
  EXPECT_EQ(entry::InvalidPath(GetParam().path), GetParam().invalid);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, InvalidPathTest,
    testing::Values(PathCase{"Good", "C:\\VGS\\game.mem", false},
                    PathCase{"UpperExtension", "C:\\VGS\\game.MEM", false},
                    PathCase{"AtRoot", "D:\\game.mem", false},
                    PathCase{"BlanksInside", "C:\\My Cards\\a game.mem", false},
                    PathCase{"Semicolon", "C:\\VGS\\a;b.mem", true},
                    PathCase{"LessThan", "C:\\VGS\\a<b.mem", true},
                    PathCase{"GreaterThan", "C:\\VGS\\a>b.mem", true},
                    PathCase{"Bar", "C:\\VGS\\a|b.mem", true},
                    PathCase{"Question", "C:\\VGS\\a?b.mem", true},
                    PathCase{"Star", "C:\\VGS\\a*b.mem", true},
                    PathCase{"Quote", "C:\\VGS\\a\"b.mem", true},
                    PathCase{"DoubleBackslash", "C:\\\\VGS\\game.mem", true},
                    PathCase{"NetworkPath", "\\\\server\\share\\game.mem", true},
                    PathCase{"SecondColon", "C:\\VGS:\\game.mem", false},
                    PathCase{"NoBackslashAfterDrive", "C:game.mem", true},
                    PathCase{"NoDrive", "game.mem", true},
                    PathCase{"OtherExtension", "C:\\VGS\\game.txt", true},
                    PathCase{"LeadingBlank", " C:\\VGS\\game.mem", true},
                    PathCase{"TrailingBlank", "C:\\VGS\\game.mem ", true},
                    PathCase{"Empty", "", true}),
    [](const auto& info) { return info.param.name; });

struct TitleCase {
  const char* name;
  std::string title;
  std::string clean;
  std::string card;
};

class ProposedCardTest : public testing::TestWithParam<TitleCase> {};

TEST_P(ProposedCardTest, NamesTheCardAfterTheTitle) {
  EXPECT_EQ(entry::CleanFileName(GetParam().title), GetParam().clean);
  EXPECT_EQ(entry::ProposedCardPath(GetParam().title), GetParam().card);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, ProposedCardTest,
    testing::Values(
        TitleCase{"Colon", "Final Fantasy VII: Disc 1", "Final Fantasy VII Disc 1",
                  "C:\\VGS\\Final Fantasy VII Disc 1.mem"},
        TitleCase{"OnlyRemovedCharacters", "???", "", "C:\\VGS\\.mem"},
        TitleCase{"EveryRemovedCharacter", "a;b:c<d>e|f?g*h\"i", "abcdefghi",
                  "C:\\VGS\\abcdefghi.mem"},
        TitleCase{"BackslashStays", "A\\B", "A\\B", "C:\\VGS\\A\\B.mem"},
        TitleCase{"SlashAndBlanksStay", " a/b ", " a/b ", "C:\\VGS\\ a/b .mem"}),
    [](const auto& info) { return info.param.name; });

TEST(NewGameTitleTest, CountsFromTheRowsPlusOne) {
  EXPECT_EQ(entry::NewGameTitle(0), "New Game 1");
  EXPECT_EQ(entry::NewGameTitle(41), "New Game 42");
}

TEST(MemoryCardTest, BlankImageIsHeaderThenZeros) {
  const std::string image = BlankMemoryCardImage();
  ASSERT_EQ(image.size(), 131136u);
  const std::string header =
      "\x56\x67\x73\x4D\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x00\x02"s;
  EXPECT_EQ(image.substr(0, 18), header);
  EXPECT_EQ(image.find_first_not_of('\0', 18), std::string::npos);
}

struct FilterCase {
  const char* name;
  std::string filter;
  std::string converted;
};

class DialogFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(DialogFilterTest, EndsInTwoNuls) {
  EXPECT_EQ(DialogFilter(GetParam().filter), GetParam().converted);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, DialogFilterTest,
    testing::Values(FilterCase{"WithoutEndBar", "a|b", "a\0b\0\0"s},
                    FilterCase{"WithEndBar", "a|b|", "a\0b\0\0"s},
                    FilterCase{"Empty", "", "\0\0"s},
                    FilterCase{
                        "Cards", "VGS Memory Card (*.mem)|*.mem|All files (*.*)|*.*",
                        "VGS Memory Card (*.mem)\0*.mem\0All files (*.*)\0*.*\0\0"s}),
    [](const auto& info) { return info.param.name; });

TEST(OpenFileRecordTest, FillsEveryField) {
  platform::OpenFileNameRecord r =
      MakeOpenFileRecord(0x1234, 0x400000, "a|b", "Pick one", "C:\\Start");
  const std::string blankBuffer = std::string(254, ' ') + '\0';
  EXPECT_EQ(r.lStructSize, 76u);
  EXPECT_EQ(r.hwndOwner, 0x1234u);
  EXPECT_EQ(r.hInstance, 0x400000u);
  EXPECT_EQ(r.lpstrFilter, "a\0b\0\0"s);
  EXPECT_EQ(r.lpstrFile, blankBuffer);
  EXPECT_EQ(r.nMaxFile, 255u);
  EXPECT_EQ(r.lpstrFileTitle, blankBuffer);
  EXPECT_EQ(r.nMaxFileTitle, 255u);
  EXPECT_EQ(r.lpstrInitialDir, "C:\\Start");
  EXPECT_EQ(r.lpstrTitle, "Pick one");
  EXPECT_EQ(r.Flags, 0x1004u);
}

struct BufferCase {
  const char* name;
  std::string buffer;
  std::string chosen;
};

class ChosenFileTest : public testing::TestWithParam<BufferCase> {};

TEST_P(ChosenFileTest, TakesTextBeforeNulTrimmed) {
  EXPECT_EQ(ChosenFile(GetParam().buffer), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Buffers, ChosenFileTest,
    testing::Values(BufferCase{"Plain", "C:\\a.mem\0    \0"s, "C:\\a.mem"},
                    BufferCase{"Blanks", "  C:\\a b.mem  \0x"s, "C:\\a b.mem"},
                    BufferCase{"NoNul", "C:\\a.mem", "C:\\a.mem"},
                    BufferCase{"UntouchedBuffer", std::string(254, ' ') + '\0', ""}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace slotmate
