#include <gtest/gtest.h>

#include <string>

#include "editor/entry_rules.h"
#include "editor/memory_card.h"
#include "editor/open_file_record.h"

namespace slotmate {
namespace {

using namespace std::string_literals;

// The paths that the dialog's checks do not already go through.
TEST(InvalidPathTest, RefusesEveryForbiddenCharacterAndTakesOtherwiseGoodPaths) {
  for (char c : ";<>|?*\""s)
    EXPECT_TRUE(entry::InvalidPath("C:\\VGS\\a"s + c + "b.mem")) << c;
  EXPECT_TRUE(entry::InvalidPath(""));
  EXPECT_FALSE(entry::InvalidPath("D:\\game.mem"));
  EXPECT_FALSE(entry::InvalidPath("C:\\My Cards\\a game.mem"));
  EXPECT_FALSE(entry::InvalidPath("C:\\VGS:\\game.mem"));  // only the first colon counts
}

TEST(CodeKeyTest, RaisesEveryAllowedLowerCaseLetter) {
  for (char c : "cslpeum"s) EXPECT_EQ(entry::FilterCodeKey(c), c - 'a' + 'A') << c;
  EXPECT_EQ(entry::FilterCodeKey(0xE9), 0);
  EXPECT_EQ(entry::FilterCodeKey('\t'), 0);
}

TEST(MemoryCardTest, BlankImageIsHeaderThenZeros) {
  const std::string image = BlankMemoryCardImage();
  ASSERT_EQ(image.size(), 131136u);
  EXPECT_EQ(image.substr(0, 18),
            "\x56\x67\x73\x4D\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x00\x02"s);
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

INSTANTIATE_TEST_SUITE_P(Filters, DialogFilterTest,
                         testing::Values(FilterCase{"WithoutEndBar", "a|b", "a\0b\0\0"s},
                                         FilterCase{"WithEndBar", "a|b|", "a\0b\0\0"s},
                                         FilterCase{"Empty", "", "\0\0"s}),
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

TEST(ChosenFileTest, TakesTheTextBeforeTheFirstNul) {
  EXPECT_EQ(ChosenFile("C:\\a.mem\0  x\0"s), "C:\\a.mem");
  EXPECT_EQ(ChosenFile("C:\\a.mem"), "C:\\a.mem");
  EXPECT_EQ(ChosenFile(std::string(254, ' ') + '\0'), "");
}

}  // namespace
}  // namespace slotmate
